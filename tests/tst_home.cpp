// Page "首页调用" through the real widgets: the page as it opens, input kinds,
// every radio button and "生成" button, which handlers report, and the
// paging refusal.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "fixture.h"

namespace {
const QString kCopied = QStringLiteral("    复制成功");
const QString kHint = QStringLiteral("          本框中只能输入英文");
const QString kEarlier = QStringLiteral("earlier status");
}  // namespace

class TestHome : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  void pageAsItOpens() {
    Window t;
    auto* tabs = t.find<QTabWidget>("选择夹1");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("首页调用"));
    QApplication::processEvents();

    // Groups on the tab page count from the tab control's corner.
    for (const auto& [name, y] : {std::pair{"分组框2", 28}, {"分组框3", 136}, {"分组框8", 267}}) {
      QCOMPARE(t.find(name)->mapTo(tabs, QPoint()).y(), y);
      QCOMPARE(t.find(name)->x(), 1);
    }
    QCOMPARE(t.find("分组框9")->parentWidget(), t.find("分组框8"));
    QCOMPARE(t.find("分组框10")->parentWidget(), t.find("分组框8"));
    QCOMPARE(t.find("分组框9")->geometry(), QRect(3, 86, 482, 58));
    QCOMPARE(t.find("分组框10")->geometry(), QRect(3, 158, 482, 46));
    QVERIFY(t.find("分组框8")->geometry().bottom() < t.find("分组框8")->parentWidget()->height());
    QCOMPARE(t.find<QGroupBox>("分组框9")->title(), QStringLiteral("带限定字数的标题 简介和时间样式"));
    QCOMPARE(t.find<QGroupBox>("分组框10")->title(), QStringLiteral("友情链接"));

    // Check boxes: only 无下级则调用同级 ticked.
    const QStringList checks = {"选择框1", "选择框2", "选择框3", "选择框4"};
    const QStringList checkCaptions = {"简介", "隐藏", "无下级则调用同级", "二级栏目"};
    for (int i = 0; i < checks.size(); ++i) {
      QCOMPARE(t.find<QCheckBox>(checks[i])->text(), checkCaptions[i]);
      QCOMPARE(t.find<QCheckBox>(checks[i])->isChecked(), checks[i] == "选择框3");
    }
    // Every field empty and visible.
    for (const char* e : {"编辑框2", "编辑框3", "编辑框5", "编辑框7", "编辑框8", "编辑框9",
                          "编辑框11", "编辑框12", "编辑框13", "编辑框14", "编辑框15"}) {
      QVERIFY2(t.find<QLineEdit>(e)->text().isEmpty(), e);
      QVERIFY2(t.find<QLineEdit>(e)->isVisible(), e);
    }
    // Every list pick-only, on item 0, with its items in order.
    const QList<QPair<QString, QStringList>> lists = {
        {"组合框13", {"文章", "商品"}},
        {"组合框7", {"默认", "ID倒序", "ID正序", "时间倒叙", "时间正序"}},
        {"组合框4", {"不指定", "头条", "推荐"}},
        {"组合框5", {"不指定", "头条", "推荐"}},
        {"组合框6", {"不限", "有", "无"}},
        {"组合框8", {"2013-8-20", "13-8-20", "8-20", "2013-8-20 14:10:5", "13-8-20 14:10:5",
                     "8-20 14:10:5", "2013年8月20日", "13年8月20日", "2013年8月20日 14:10:5",
                     "13年8月20日 14:10:5"}},
        {"组合框9", {"文字", "图片"}},
    };
    for (const auto& [name, items] : lists) {
      auto* c = t.find<QComboBox>(name);
      QStringList shown;
      for (int i = 0; i < c->count(); ++i) shown << c->itemText(i);
      QCOMPARE(shown, items);
      QCOMPARE(c->currentIndex(), 0);
      QVERIFY(!c->isEditable());
    }
    // No radio button selected.
    for (QRadioButton* r : t.find("选择夹1_0")->findChildren<QRadioButton*>())
      QVERIFY2(!r->isChecked(), qPrintable(r->objectName()));
    QCOMPARE(t.find("选择夹1_0")->findChildren<QRadioButton*>().size(), 5 + 10);
  }

  // Captions are whole and no control covers its neighbour. Labels, radio
  // buttons and check boxes draw only as wide as their caption; their places
  // may reach under the next control.
  static QRect drawn(QWidget* w) {
    if (qobject_cast<QLabel*>(w) || qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
      return {w->pos(), QSize(w->sizeHint().width() - 1, w->height())};  // may touch
    return w->geometry();
  }
  void controlsDoNotOverlap() {
    Window t;
    QApplication::processEvents();
    for (const char* g : {"分组框2", "分组框3", "分组框8", "分组框9", "分组框10"}) {
      const QList<QWidget*> kids = t.find(g)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      for (QWidget* a : kids) {
        if (a->isHidden() || a->objectName().isEmpty()) continue;
        QVERIFY2(a->sizeHint().width() <= a->width() || qobject_cast<QLineEdit*>(a) ||
                     qobject_cast<QComboBox*>(a) || qobject_cast<QPushButton*>(a),
                 qPrintable(a->objectName()));
        QVERIFY2(a->geometry().right() < a->parentWidget()->width(), qPrintable(a->objectName()));
        for (QWidget* b : kids)
          if (a != b && !b->isHidden() && !b->objectName().isEmpty())
            QVERIFY2(!drawn(a).intersects(drawn(b)),
                     qPrintable(a->objectName() + " / " + b->objectName()));
      }
    }
  }

  void labelsAndButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    auto row = [](const char* name, const char* caption, QRect place) {
      QTest::newRow(name) << QString(name) << QString(caption) << place;
    };
    row("标签3", "个数", {10, 22, 50, 24});
    row("标签2", "标识", {87, 22, 37, 24});
    row("按钮3", "生成", {428, 59, 53, 24});
    row("标签34", "频道类型", {12, 18, 48, 24});
    row("标签13", "包含的推荐属性", {143, 55, 88, 24});
    row("标签14", "不包含推荐属性", {312, 55, 88, 24});
    row("按钮5", "生成", {406, 88, 64, 24});
    row("标签20", "标题字数", {8, 22, 48, 24});
    row("按钮6", "生成", {96, 24, 35, 20});
    row("按钮7", "生成", {235, 24, 35, 20});
    row("按钮8", "生成", {439, 24, 35, 20});
    row("标签23", "链接分类ID", {111, 15, 66, 24});
    row("标签26", "通用标识", {341, 15, 48, 24});
    row("按钮9", "生成", {439, 17, 35, 20});
  }
  void labelsAndButtons() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    Window t;
    QWidget* w = t.find(name);
    QCOMPARE(w->property("caption").toString(), caption);
    QCOMPARE(w->pos(), place.topLeft());
    QCOMPARE(w->height(), place.height());
    QVERIFY(w->width() >= place.width());
  }

  void integerFieldsDropLetters_data() {
    QTest::addColumn<QString>("name");
    for (const char* e : {"编辑框5", "编辑框7", "编辑框11", "编辑框12", "编辑框13", "编辑框14"})
      QTest::newRow(e) << QString(e);
  }
  void integerFieldsDropLetters() {
    QFETCH(QString, name);
    Window t;
    t.type(name, "1a2 -b3条");
    QCOMPARE(t.find<QLineEdit>(name)->text(), QStringLiteral("12-3"));
  }

  void freeFieldsKeepWhatIsTyped() {
    Window t;
    for (const char* e : {"编辑框3", "编辑框8", "编辑框9", "编辑框15"}) {
      t.type(e, "Ab 1中");
      QCOMPARE(t.find<QLineEdit>(e)->text(), QStringLiteral("Ab 1中"));
    }
    t.type("编辑框2", "NavItem 1");
    QCOMPARE(t.find<QLineEdit>("编辑框2")->text(), QStringLiteral("navitem 1"));
  }

  void englishHint_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hints");
    for (const char* e : {"编辑框2", "编辑框8", "编辑框9", "编辑框15"}) QTest::newRow(e) << QString(e) << true;
    for (const char* e : {"编辑框3", "编辑框5", "编辑框7", "编辑框11", "编辑框14"})
      QTest::newRow(e) << QString(e) << false;
  }
  void englishHint() {
    QFETCH(QString, name);
    QFETCH(bool, hints);
    Window t;
    t.w.output().setStatus(kEarlier);
    auto* e = t.find<QLineEdit>(name);
    t.reveal(e);
    QTest::mouseClick(e, Qt::LeftButton);
    QCOMPARE(t.status(), hints ? kHint : kEarlier);
    QCOMPARE(QApplication::focusWidget(), e);
  }

  // Radio buttons, with the loop-variable field empty and filled in. Every
  // one reports "    复制成功".
  void radios_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("varBox");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("named");  // with the variable "my"
    auto row = [](const char* radio, const char* caption, const char* varBox, const QString& plain,
                  const QString& named) {
      QTest::newRow(radio) << QString(radio) << QString(caption) << QString(varBox) << plain << named;
    };
    row("单选框1", "导航名称", "编辑框2", "{$v['classname']}", "{$my['classname']}");
    row("单选框2", "导航链接", "编辑框2", "{$v['url']}", "{$my['url']}");
    row("单选框71", "栏目介绍", "编辑框2", "{$v['body']}", "{$my['body']}");
    row("单选框3", "导航结束标签", "编辑框2", "{/loop}", "{/loop}");
    row("单选框39", "所属栏目ID", "编辑框8", "{$v['tid']}", "{$my['tid']}");
    row("单选框35", "文章标题", "编辑框8", "{$v['title']}", "{$my['title']}");
    row("单选框34", "标题链接", "编辑框8", "{$v['url']}", "{$my['url']}");
    row("单选框37", "缩略图", "编辑框8", "{$v['litpic']}", "{$my['litpic']}");
    row("单选框38", "点击次数", "编辑框8", "{$v['hits']}", "{$my['hits']}");
    row("单选框33", "数字排序", "编辑框8", "{$v['n']}", "{$my['n']}");
    row("单选框32", "标题ID", "编辑框8", "{$v['id']}", "{$my['id']}");
    row("单选框40", "所属栏目名", "编辑框8", "{fun typename($v['tid'])}", "{fun typename($my['tid'])}");
    row("单选框41", "结束标签", "编辑框8", "{/loop}", "{/loop}");
  }
  void radios() {
    QFETCH(QString, radio);
    QFETCH(QString, caption);
    QFETCH(QString, varBox);
    QFETCH(QString, plain);
    QFETCH(QString, named);
    Window t;
    QCOMPARE(t.find<QAbstractButton>(radio)->text(), caption);
    t.click(radio);
    QCOMPARE(t.box(), plain);
    QCOMPARE(Window::clipboard(), plain);
    QCOMPARE(t.status(), kCopied);

    // Typed in capitals: 编辑框2 turns them lower case.
    t.type(varBox, varBox == "编辑框2" ? "MY" : "my");
    t.w.output().setStatus(kEarlier);
    t.click(radio);  // already selected: publishes again
    QCOMPARE(t.box(), named);
    QCOMPARE(Window::clipboard(), named);
    QCOMPARE(t.status(), kCopied);

    // The other group's variable box has no say.
    t.setText(varBox == "编辑框2" ? "编辑框8" : "编辑框2", "other");
    t.setText("编辑框15", "other");
    t.click(radio);
    QCOMPARE(t.box(), named);

    // A refused clipboard leaves the status alone.
    t.w.output().setStatus(kEarlier);
    t.clip.refuse = true;
    t.click(radio);
    QCOMPARE(t.box(), named);
    QCOMPARE(t.status(), kEarlier);
  }

  void highlightSnippet() {
    Window t;
    t.type("编辑框2", "nav");
    t.setText("编辑框8", "rec");
    t.click("单选框98");
    const QString text = t.box();
    QCOMPARE(t.find<QAbstractButton>("单选框98")->text(), QStringLiteral("导航高亮"));
    QCOMPARE(text.size(), 109);
    QCOMPARE(text.toUtf8().size(), 125);
    const QStringList lines = text.split("\r\n");
    QCOMPARE(lines.size(), 4);
    QCOMPARE(text.count('\n'), 3);
    QCOMPARE(text.count('\r'), 3);
    QCOMPARE(lines[0], QStringLiteral("首页判断"));
    QCOMPARE(lines[1], QStringLiteral("{if($type['tid']==\"\")} class=\"current\" {/if}"));
    QCOMPARE(lines[2], QStringLiteral("其他导航"));
    QCOMPARE(lines[3], QStringLiteral("{if($v['tid']==$type['tid'])} class='current' {/if}"));
    QVERIFY(!text.endsWith('\n'));
    QCOMPARE(Window::clipboard(), text);
    QCOMPARE(t.status(), kCopied);
  }

  void navigationButtonIsQuiet() {
    Window t;
    t.w.output().setStatus(kEarlier);
    t.click("按钮3");
    const QString opened = "{loop table=\"classtype\" mshow=\"1\" not=\"1\"}";
    QCOMPARE(t.box(), opened);
    QCOMPARE(Window::clipboard(), opened);
    QCOMPARE(t.status(), kEarlier);

    t.type("编辑框3", "8");
    t.type("编辑框2", "Nav");
    for (const char* c : {"选择框1", "选择框2", "选择框4"}) t.click(c);
    t.w.output().setStatus(kEarlier);
    t.click("按钮3");
    const QString all = "{loop table=\"classtype\" limit=\"8\" as=\"nav\" pid=\"$type['tid']\" body=\"1\" not=\"1\"}";
    QCOMPARE(t.box(), all);
    QCOMPARE(Window::clipboard(), all);
    QCOMPARE(t.status(), kEarlier);

    t.click("选择框3");
    t.setText("编辑框3", "");
    t.setText("编辑框2", "");
    t.click("选择框1");
    t.click("选择框4");
    t.click("按钮3");
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"classtype\"}"));
  }

  void contentButton() {
    Window t;
    t.click("按钮5");
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"article\"}"));
    QCOMPARE(t.status(), kCopied);

    t.choose("组合框13", 1);
    t.choose("组合框6", 1);
    t.choose("组合框4", 1);
    t.choose("组合框5", 1);
    t.choose("组合框7", 4);
    t.type("编辑框5", "3x");
    t.type("编辑框7", "10");
    t.type("编辑框8", "p");
    t.type("编辑框9", "pg");
    t.w.output().setStatus(kEarlier);
    t.click("按钮5");
    const QString tag =
        "{loop table=\"product\" image=\"1\" trait=\"1\" notrait=\"1\" orderby=\"orders|desc,addtime\""
        " tid=\"3\" as=\"p\" page=\"pg,10\"}";
    QCOMPARE(t.box(), tag);
    QCOMPARE(Window::clipboard(), tag);
    QCOMPARE(t.status(), kCopied);

    t.setText("编辑框7", "");
    t.click("按钮5");
    QVERIFY(!t.box().contains("page="));
    QVERIFY(!t.box().contains("limit="));
  }

  void trimmedAndDateButtons() {
    Window t;
    t.click("按钮6");
    QCOMPARE(t.box(), QStringLiteral("{fun newstr($v['title'],)}"));
    QCOMPARE(t.status(), kCopied);
    t.type("编辑框12", "8o0");
    t.w.output().setStatus(kEarlier);
    t.click("按钮7");
    QCOMPARE(t.box(), QStringLiteral("{fun newstr($v['description'],80)}"));
    QCOMPARE(Window::clipboard(), t.box());
    QCOMPARE(t.status(), kCopied);

    // The date goes out without a report.
    t.w.output().setStatus(kEarlier);
    t.click("按钮8");
    QCOMPARE(t.box(), QStringLiteral("{fun date('Y-m-d',$v['addtime'])}"));
    QCOMPARE(Window::clipboard(), t.box());
    QCOMPARE(t.status(), kEarlier);
    t.choose("组合框8", 6);
    t.click("按钮8");
    QCOMPARE(t.box(), QStringLiteral("{fun date('Y年m月d日',$v['addtime'])}"));
    QCOMPARE(Window::clipboard(), t.box());
    QCOMPARE(t.status(), kEarlier);

    t.type("编辑框8", "rec");
    t.type("编辑框11", "20");
    t.click("按钮6");
    QCOMPARE(t.box(), QStringLiteral("{fun newstr($rec['title'],20)}"));
    t.click("按钮7");
    QCOMPARE(t.box(), QStringLiteral("{fun newstr($rec['description'],80)}"));
    t.choose("组合框8", 9);
    t.click("按钮8");
    QCOMPARE(t.box(), QStringLiteral("{fun date('y年m月d日 H:i:s',$rec['addtime'])}"));
  }

  void linkButton() {
    Window t;
    t.click("按钮9");
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"links\" type=\"text\"}{$v['name']}{$v['gourl']}{/loop}"));
    QCOMPARE(t.status(), kCopied);
    t.type("编辑框14", "10");
    t.type("编辑框13", "2");
    t.type("编辑框15", "lk");
    t.choose("组合框9", 1);
    t.setText("编辑框8", "rec");  // the content loop's variable has no say here
    t.click("按钮9");
    const QString tag = "{loop table=\"links\" taid=\"2\" as=\"lk\" limit=\"10\" type=\"image\"}"
                        "{$lk['name']}{$lk['gourl']}{$lk['image']}{/loop}";
    QCOMPARE(t.box(), tag);
    QCOMPARE(Window::clipboard(), tag);
  }

  void pagingWithIdentifier() {
    Window t;
    t.w.output().setStatus(kEarlier);
    t.type("编辑框9", "pg");
    t.click("单选框43");
    QCOMPARE(t.box(), QStringLiteral("{$pg}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{$pg}"));
    QCOMPARE(t.status(), kEarlier);
  }

  void pagingWithoutIdentifierWarns() {
    Window t;
    t.publish("{loop table=\"article\"}");
    QGuiApplication::clipboard()->setText("something else");
    t.w.output().setStatus(kEarlier);
    t.type("编辑框8", "rec");  // focus elsewhere before the click
    const int puts = t.clip.puts;
    const SeenMessage seen = expectMessage([&] { t.click("单选框43"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("信息："));
    QCOMPARE(seen.text, QStringLiteral(" 你没有设置分页标识\r\n\r\n   请先设置分页标识.. "));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.focus, t.find("编辑框9"));
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"article\"}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{loop table=\"article\"}"));
    QCOMPARE(t.clip.puts, puts + 1);
    QCOMPARE(t.status(), kEarlier);
  }
};

QTEST_MAIN(TestHome)
#include "tst_home.moc"
