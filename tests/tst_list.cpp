// Page "列表页" through the real widgets: the fixed tags, the two stored
// snippets, the custom-channel composer and its field tags, the query call,
// and the refusals of empty required fields.
#include <QRadioButton>
#include <QStyle>

#include "fixture.h"

namespace {

const QString kCopied = QStringLiteral("    复制成功");
const QString kPagingCss = QStringLiteral(".pages{ margin-top:10px;}\r\n.pages li{ float:left; line-height:20px;border:1px solid #E1E1E1;  margin-right:10px; \r\r\nbackground-color:#FFF;}\r\n.pages li.c{background-color:#588FD9; color:#FFF;padding:0 8px;}\r\n.pages li a{float:left;padding:0 8px;height:20px;}.pages li a:hover{background-\r\r\ncolor:#588FD9; color:#FFF;text-decoration: none;}");
const QString kNewest24 = QStringLiteral("{if(newest($v['addtime'],24))}\r\n<span style=\"color:red\">{fun date('Y-m-d',$v['addtime'])}</span>\r\n{else}\r\n{fun date('Y-m-d',$v['addtime'])}\r\n{/if}");

// A window whose output box holds "old" and whose clipboard holds "other",
// so a copy-out of the unchanged box is visible on the clipboard.
struct Primed : Window {
  Primed() {
    publish("old");
    setStatus({});
    QGuiApplication::clipboard()->setText("other");
  }
  void setStatus(const QString& s) { w.output().setStatus(s); }
};

}  // namespace

class TestList : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  void initialState() {
    Window t;
    for (const char* e : {"编辑框26", "编辑框27", "编辑框28", "编辑框29", "编辑框30", "编辑框31",
                          "编辑框32", "编辑框33", "编辑框41", "编辑框42"})
      QVERIFY2(t.find<QLineEdit>(e)->text().isEmpty(), e);
    auto* order = t.find<QComboBox>("组合框15");
    QCOMPARE(order->count(), 5);
    QCOMPARE(order->currentIndex(), 3);
    QCOMPARE(order->currentText(), QStringLiteral("时间倒序"));
    QVERIFY(!order->isEditable());
    const QStringList items{"默认", "ID倒序", "ID正序", "时间倒序", "时间正序"};
    for (int i = 0; i < 5; ++i) QCOMPARE(order->itemText(i), items[i]);
    auto* hint = t.find<QLineEdit>("编辑框40");
    QCOMPARE(hint->text(), QStringLiteral("调用关于我们，联系我们\r\n"));
    QVERIFY(hint->isReadOnly());
    // No radio button of the page is selected.
    t.reveal(t.find("分组框18"));
    for (auto* r : t.find("分组框15")->parentWidget()->findChildren<QRadioButton*>())
      QVERIFY2(!r->isChecked(), qPrintable(r->objectName()));
    QCOMPARE(t.find<QTabWidget>("选择夹1")->tabText(3), QStringLiteral("列表页"));
  }

  void integerInputAndReadOnlyHint() {
    Window t;
    for (const char* e : {"编辑框27", "编辑框28", "编辑框41"}) {
      t.type(e, "a1-b2.x3");
      QCOMPARE(t.find<QLineEdit>(e)->text(), QStringLiteral("1-23"));
      QTest::keyClick(t.find(e), Qt::Key_Backspace);
      QCOMPARE(t.find<QLineEdit>(e)->text(), QStringLiteral("1-2"));
    }
    // Other fields take any text.
    t.type("编辑框30", "m1");
    QCOMPARE(t.find<QLineEdit>("编辑框30")->text(), QStringLiteral("m1"));
    t.type("编辑框40", "xyz");
    QCOMPARE(t.find<QLineEdit>("编辑框40")->text(), QStringLiteral("调用关于我们，联系我们\r\n"));
  }

  void fixedTags_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    auto row = [](const char* radio, const char* caption, const QString& text) {
      QTest::newRow(radio) << QString(radio) << QString(caption) << text;
    };
    row("单选框100", "当前位置", "{$positions}");
    row("单选框56", "栏目名称", "{$type['classname']}");
    row("单选框58", "栏目介绍", "{$type['body']}");
    row("单选框57", "栏目缩略图", "{$type['litpic']}");
    row("单选框55", "栏目ID", "{$type['tid']}");
    row("单选框60", "开始标签", "{foreach $lists as $v}");
    row("单选框62", "文章标题", "{$v['title']}");
    row("单选框61", "标题链接", "{$v['url']}");
    row("单选框64", "标题样式", "{$v['style']}");
    row("单选框67", "点击次数", "{$v['hits']}");
    row("单选框66", "缩略图", "{$v['litpic']}");
    row("单选框68", "文章简介", "{$v['description']}");
    row("单选框69", "发布时间", "{fun date('Y-m-d',$v['addtime'])}");
    row("单选框70", "结束标签", "{/foreach} ");
    row("单选框92", "列表分页", "{$pages}");
    row("单选框93", "分页CSS\r\n", kPagingCss);
    row("单选框94", "24小时内发布字体加红\r\n", kNewest24);
    row("单选框77", "结束标签", "{/loop}");
  }
  void fixedTags() {
    QFETCH(QString, radio);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    Window t;
    auto* b = t.find<QAbstractButton>(radio);
    QCOMPARE(b->property("caption").toString(), caption);
    QCOMPARE(b->text(), QString(caption).remove('\r').remove('\n'));
    // Loop variables typed anywhere on the page change none of these.
    t.setText("编辑框30", "m");
    t.setText("编辑框42", "p");
    t.publish("old text");
    t.click(radio);
    QCOMPARE(t.box(), text);
    QCOMPARE(Window::clipboard(), text);
    QCOMPARE(t.status(), kCopied);
    QVERIFY(b->isChecked());
    // A second click publishes again, once.
    t.click("按钮2");
    t.clip.refuse = true;
    t.click(radio);
    QCOMPARE(t.box(), text);
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
  }

  void endTagKeepsItsTrailingBlank() {
    Window t;
    t.click("单选框70");
    QCOMPARE(t.box().size(), 11);
    QCOMPARE(Window::clipboard().size(), 11);
    QVERIFY(Window::clipboard().endsWith("} "));
  }

  void pagingStylesheetBytes() {
    Window t;
    t.click("单选框93");
    const QString css = Window::clipboard();
    QCOMPARE(css.size(), 338);
    QCOMPARE(t.box(), css);
    QCOMPARE(css.count("\r\r\n"), 2);
    QCOMPARE(css.count("\r\n"), 5);
    QCOMPARE(css.count('\r'), 7);
    QCOMPARE(css.count('\n'), 5);
    const QStringList lines = css.split(QRegularExpression("\r\r\n|\r\n"));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.first(), QStringLiteral(".pages{ margin-top:10px;}"));
    QVERIFY(lines[1].endsWith("margin-right:10px; "));
    QCOMPARE(lines[4], QStringLiteral(".pages li a{float:left;padding:0 8px;height:20px;}"
                                      ".pages li a:hover{background-"));
    QCOMPARE(lines.last(), QStringLiteral("color:#588FD9; color:#FFF;text-decoration: none;}"));
    QVERIFY(!css.contains("<style"));
    for (const char* sel : {".pages{", ".pages li{", ".pages li.c{", ".pages li a{", ".pages li a:hover{"})
      QVERIFY2(css.contains(sel), sel);
    QCOMPARE(css.toUtf8(), kPagingCss.toUtf8());
  }

  void newest24Snippet() {
    Window t;
    t.setText("编辑框42", "p");
    t.click("单选框94");
    const QString s = Window::clipboard();
    QCOMPARE(s.size(), 146);
    QCOMPARE(t.box(), s);
    const QStringList lines = s.split("\r\n");
    QCOMPARE(lines.size(), 5);
    QCOMPARE(s.count('\n'), 4);
    QCOMPARE(s.count('\r'), 4);
    QCOMPARE(lines.first(), QStringLiteral("{if(newest($v['addtime'],24))}"));
    QCOMPARE(lines[1], QStringLiteral("<span style=\"color:red\">{fun date('Y-m-d',$v['addtime'])}</span>"));
    QCOMPARE(lines.last(), QStringLiteral("{/if}"));
    QVERIFY(!s.contains("$p"));
  }

  void channelListThroughTheWidgets() {
    Window t;
    t.type("编辑框26", "产品");
    t.click("按钮14");
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"channel\" molds=\"产品\" orderby=\"orders|desc,addtime|desc\"}"));
    QCOMPARE(Window::clipboard(), t.box());
    QCOMPARE(t.status(), kCopied);

    // Filled in the reverse of the clause order: the order stays fixed.
    t.setText("编辑框30", "m");
    t.setText("编辑框29", "新品");
    t.choose("组合框15", 1);
    t.setText("编辑框31", "pg");
    t.type("编辑框28", "10");
    t.setText("编辑框32", "7");
    t.type("编辑框27", "3");
    t.click("按钮14");
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"channel\" molds=\"产品\" tid=\"3\" sid=\"7\" page=\"pg,10\""
                                     " orderby=\"orders|desc,id|desc\" keywords=\"新品\" as=\"m\"}"));
    QCOMPARE(Window::clipboard(), t.box());
  }

  void missingChannelNameIsRefused() {
    Primed t;
    t.setText("编辑框27", "3");
    t.setText("编辑框28", "10");
    t.setText("编辑框30", "m");
    const SeenMessage seen = expectMessage([&] { t.click("按钮14"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("信息："));
    QCOMPARE(seen.text, QStringLiteral(" 请先填写频道名称.. "));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.focus, t.find("编辑框26"));
    QCOMPARE(t.box(), QStringLiteral("old"));
    QCOMPARE(Window::clipboard(), QStringLiteral("old"));
    QCOMPARE(t.status(), kCopied);
  }

  void blankChannelNameCountsAsFilledIn() {
    Window t;
    t.setText("编辑框26", " ");
    t.choose("组合框15", 0);
    const SeenMessage seen = expectMessage([&] { t.click("按钮14"); });
    QVERIFY(!seen.shown);
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"channel\" molds=\" \"}"));
  }

  void fieldTags_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("var");
    QTest::addColumn<QString>("text");
    struct F { const char *radio, *before, *after; };
    const F fields[] = {
        {"单选框72", "{$", "['tid']}"},   {"单选框74", "{fun typename($", "['tid'])}"},
        {"单选框73", "{$", "['id']}"},    {"单选框75", "{$", "['title']}"},
        {"单选框76", "{$", "['url']}"},   {"单选框81", "{$", "['style']}"},
        {"单选框80", "{$", "['hits']}"},  {"单选框79", "{$", "['n']}"},
    };
    for (const F& f : fields) {
      QTest::addRow("%s v", f.radio) << QString(f.radio) << QString() << QString(f.before) + "v" + f.after;
      QTest::addRow("%s m", f.radio) << QString(f.radio) << QString("m") << QString(f.before) + "m" + f.after;
      QTest::addRow("%s blank", f.radio) << QString(f.radio) << QString(" ") << QString(f.before) + " " + f.after;
    }
  }
  void fieldTags() {
    QFETCH(QString, radio);
    QFETCH(QString, var);
    QFETCH(QString, text);
    Window t;
    t.setText("编辑框30", var);
    t.setText("编辑框42", "p");  // the query's variable is another field
    t.click(radio);
    QCOMPARE(t.box(), text);
    QCOMPARE(Window::clipboard(), text);
    QCOMPARE(t.status(), kCopied);
  }

  void fieldTagsAsShownInTheCaptions() {
    Window t;
    const QStringList captions{"所属栏目ID", "所属栏目名", "标题ID", "文章标题", "标题链接",
                               "标题样式", "点击次数", "数字排序", "分页代码", "结束标签"};
    const QStringList radios{"单选框72", "单选框74", "单选框73", "单选框75", "单选框76",
                             "单选框81", "单选框80", "单选框79", "单选框78", "单选框77"};
    for (int i = 0; i < radios.size(); ++i)
      QCOMPARE(t.find<QAbstractButton>(radios[i])->text(), captions[i]);
    QCOMPARE(t.find<QAbstractButton>("按钮15")->text(), QStringLiteral("点击生成"));
    QCOMPARE(t.find<QAbstractButton>("按钮14")->text(), QStringLiteral("生成"));
    QCOMPARE(t.find<QAbstractButton>("按钮17")->text(), QStringLiteral("生成"));
  }

  void pagingCode() {
    Window t;
    t.setText("编辑框31", "pg");
    t.click("单选框78");
    QCOMPARE(t.box(), QStringLiteral("{$pg}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{$pg}"));
    QCOMPARE(t.status(), kCopied);
  }

  void pagingCodeWithoutIdentifierIsRefused() {
    Primed t;
    const SeenMessage seen = expectMessage([&] { t.click("单选框78"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("信息："));
    QCOMPARE(seen.text, QStringLiteral(" 你没有设置分页标识\r\n\r\n   请先设置分页标识.. "));
    QCOMPARE(seen.focus, t.find("编辑框31"));
    QCOMPARE(t.box(), QStringLiteral("old"));
    QCOMPARE(Window::clipboard(), QStringLiteral("old"));
    QCOMPARE(t.status(), kCopied);
  }

  void customField() {
    Window t;
    t.setText("编辑框33", "price");
    t.click("按钮15");
    QCOMPARE(t.box(), QStringLiteral("{$v['price']}"));
    t.setText("编辑框30", "m");
    t.click("按钮15");
    QCOMPARE(t.box(), QStringLiteral("{$m['price']}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{$m['price']}"));
    QCOMPARE(t.status(), kCopied);
  }

  void emptyCustomFieldCopiesTheBoxAgain() {
    Primed t;
    t.setText("编辑框30", "m");
    const SeenMessage seen = expectMessage([&] { t.click("按钮15"); });
    QVERIFY(!seen.shown);
    QCOMPARE(t.box(), QStringLiteral("old"));
    QCOMPARE(Window::clipboard(), QStringLiteral("old"));
    QCOMPARE(t.status(), kCopied);
    // A refusing clipboard leaves the status bar as it was.
    t.setStatus("before");
    t.clip.refuse = true;
    t.click("按钮15");
    QCOMPARE(t.status(), QStringLiteral("before"));
  }

  void queryCall() {
    Window t;
    t.type("编辑框41", "5");
    t.click("按钮17");
    QCOMPARE(t.box(), QStringLiteral("{sql sql=\"select * from ws_classtype  where  tid=5\"}\r\n"
                                     "{$v['body']} \r\n{/sql}"));
    QCOMPARE(Window::clipboard(), t.box());
    QCOMPARE(t.status(), kCopied);
    t.setText("编辑框42", "p");
    t.setText("编辑框30", "m");  // the channel loop's variable plays no part
    t.click("按钮17");
    QCOMPARE(t.box(), QStringLiteral("{sql sql=\"select * from ws_classtype  where  tid=5\" as=\"p\"}\r\n"
                                     "{$p['body']} \r\n{/sql}"));
  }

  void queryWithoutIdIsRefused() {
    Primed t;
    t.setText("编辑框42", "p");
    const SeenMessage seen = expectMessage([&] { t.click("按钮17"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("信息："));
    QCOMPARE(seen.text, QStringLiteral(" 请先填写ID.. "));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.focus, t.find("编辑框41"));
    QCOMPARE(t.box(), QStringLiteral("old"));
    QCOMPARE(Window::clipboard(), QStringLiteral("old"));
    QCOMPARE(t.status(), kCopied);
  }

  void placesAndCaptionsFit() {
    Window t;
    auto* tabs = t.find<QTabWidget>("选择夹1");
    t.reveal(t.find("分组框15"));
    QApplication::processEvents();
    QCOMPARE(t.find("分组框15")->mapTo(tabs, QPoint()).y(), 31);
    QCOMPARE(t.find("分组框16")->mapTo(tabs, QPoint()).y(), 93);
    QCOMPARE(t.find("分组框23")->mapTo(tabs, QPoint()).y(), 187);
    QCOMPARE(t.find("分组框18")->mapTo(tabs, QPoint()).y(), 243);
    QCOMPARE(t.find("分组框19")->geometry(), QRect(1, 27, 486, 88));
    QCOMPARE(t.find("分组框22")->geometry(), QRect(1, 129, 486, 112));
    QCOMPARE(t.find("按钮17")->geometry(), QRect(423, 15, 56, 24));
    QVERIFY(t.find("分组框18")->geometry().bottom() < t.find("分组框18")->parentWidget()->height());
    // What a control draws: a label's or radio button's box may reach under
    // its neighbour (标签4, 单选框78 do), its left-aligned words may not.
    auto drawn = [](QWidget* w) {
      QRect r = w->geometry();
      if (qobject_cast<QLabel*>(w)) r.setWidth(qMin(r.width(), w->sizeHint().width()));
      if (auto* b = qobject_cast<QRadioButton*>(w))  // indicator, spacing, words
        r.setWidth(b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                   b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b) +
                   b->fontMetrics().horizontalAdvance(b->text()));
      return r;
    };
    // Within every group, captions are whole and no two controls overlap.
    for (const char* g : {"分组框15", "分组框16", "分组框23", "分组框19", "分组框22"}) {
      QList<QWidget*> kids;
      for (QObject* o : t.find(g)->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisible()) kids << w;
      QVERIFY(kids.size() >= 5);
      for (QWidget* k : kids) {
        if (auto* p = qobject_cast<QPushButton*>(k))
          QVERIFY2(p->fontMetrics().horizontalAdvance(p->text()) + 8 <= p->width(), qPrintable(p->objectName()));
        else if (!qobject_cast<QLineEdit*>(k) && !qobject_cast<QComboBox*>(k))
          QVERIFY2(k->width() >= k->sizeHint().width(), qPrintable(k->objectName()));
        QVERIFY2(t.find(g)->rect().contains(k->geometry()), qPrintable(k->objectName()));
        for (QWidget* o : kids)
          QVERIFY2(o == k || !drawn(o).intersects(drawn(k)),
                   qPrintable(k->objectName() + " / " + o->objectName()));
      }
    }
  }
};

QTEST_MAIN(TestList)
#include "tst_list.moc"
