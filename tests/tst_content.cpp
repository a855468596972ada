// Page "内容页 ": the record fields that follow the channel type, the fixed
// tags, the three stored snippets byte for byte, and the custom field.
#include <QGroupBox>
#include <QRegularExpression>

#include "fixture.h"
#include "tags/content/contenttags.h"

using zt::content::RecordField;

namespace {

const QString kCopied = QStringLiteral("    复制成功");

const char* const kChannelButtons[] = {"单选框87", "单选框86", "单选框65", "单选框85", "单选框88"};

// The five record fields for one record name, in the order of kChannelButtons.
QStringList recordTags(const QString& r) {
  return {
      "{$" + r + "['title']}",
      "{fun date('Y-m-d',$" + r + "['addtime'])}",
      "{$" + r + "['body']}",
      "{$" + r + "['description']}",
      "<script src=\"{$GLOBALS['WWW']}index.php?c=" + r + "&a=hits&id={$" + r +
          "['id']}\" type=\"text/javascript\"></script>",
  };
}

const QString kPrevNext = QStringLiteral(
    "{if($aprev)}上一篇：<a href=\"{$aprev['url']}\">{$aprev['title']}</a>{/if}\r\n"
    "{if($anext)}下一篇：<a href=\"{$anext['url']}\">{$anext['title']}</a>{/if}");

const QString kCommentList = QStringLiteral(
    "<script type=\"text/javascript\">\r\n"
    "ajax_comment('comment','article',{$article['id']},1,'article/ajax_comment.html');\r\n"
    "</script>\r\n"
    "\r\n"
    "js参数为英文逗号分隔，分别为：\r\n"
    "1、输出内容的html容器id，如<div id='comment'>中的comment\r\n"
    "2、所要读取的留言所属频道\r\n"
    "3、所要读取的留言所属内容\r\n"
    "4、评论输出模板");

// Fails unless every needle occurs in text, each after the one before.
void expectInOrder(const QString& text, const QStringList& needles) {
  qsizetype from = 0;
  for (const QString& n : needles) {
    const qsizetype at = text.indexOf(n, from);
    if (at < 0) QFAIL(qPrintable("missing, or out of order: " + n));
    from = at + n.size();
  }
}

QString commentBlock() {
  Window t;
  t.click("单选框83");
  return t.box();
}

}  // namespace

class TestContent : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  void pageHoldsEveryControlInPlace() {
    Window t;
    auto* tabs = t.find<QTabWidget>("选择夹1");
    QCOMPARE(tabs->tabText(4), QStringLiteral("内容页 "));
    t.reveal(t.find("分组框21"));
    QApplication::processEvents();
    QCOMPARE(t.find<QGroupBox>("分组框20")->title(), QStringLiteral("通用调用"));
    QCOMPARE(t.find<QGroupBox>("分组框21")->title(), QStringLiteral("自定义频道内容页"));
    // Tops count from the tab control's corner, tab strip included.
    QCOMPARE(t.find("分组框20")->mapTo(tabs, QPoint()).y(), 32);
    QCOMPARE(t.find("分组框21")->mapTo(tabs, QPoint()).y(), 188);
    QCOMPARE(t.find("分组框20")->x(), 0);
    QCOMPARE(t.find("分组框21")->x(), 1);
    QVERIFY(t.find("分组框21")->geometry().bottom() < t.find("分组框21")->parentWidget()->height());

    auto* type = t.find<QComboBox>("组合框16");
    QVERIFY(!type->isEditable());
    QCOMPARE(type->count(), 3);
    QCOMPARE(type->itemText(0), QStringLiteral("文章"));
    QCOMPARE(type->itemText(1), QStringLiteral("商品"));
    QCOMPARE(type->itemText(2), QStringLiteral("自定义频道"));
    QCOMPARE(type->currentIndex(), 0);
    QCOMPARE(type->geometry(), QRect(69, 19, 80, 20));
    QCOMPARE(t.find<QLabel>("标签52")->text(), QStringLiteral("频道类型"));
    QCOMPARE(t.find<QLabel>("标签53")->text(), QStringLiteral("自定义字段"));
    QCOMPARE(t.find<QLineEdit>("编辑框34")->text(), QString());
    QCOMPARE(t.find("编辑框34")->geometry(), QRect(75, 26, 44, 20));
    QCOMPARE(t.find<QAbstractButton>("按钮16")->text(), QStringLiteral("生成"));
    QCOMPARE(t.find("按钮16")->geometry(), QRect(130, 26, 44, 20));

    const struct { const char* name; const char* caption; QPoint at; } radios[] = {
        {"单选框87", "文章标题", {15, 47}},  {"单选框86", "发布时间", {114, 47}},
        {"单选框65", "正文内容", {211, 47}}, {"单选框88", "点击次数", {310, 47}},
        {"单选框89", "上下篇", {409, 47}},   {"单选框85", "文章简介", {15, 81}},
        {"单选框90", "栏目名称", {114, 81}}, {"单选框91", "所属栏目ID", {211, 81}},
        {"单选框83", "评论功能", {310, 81}}, {"单选框82", "评论列表", {409, 81}},
        {"单选框84", "内容分页", {15, 115}}, {"单选框63", "缩略图", {114, 115}},
        {"单选框99", "当前位置", {211, 115}},
    };
    for (const auto& r : radios) {
      auto* b = t.find<QAbstractButton>(r.name);
      QCOMPARE(b->text(), QString(r.caption));
      QCOMPARE(b->parentWidget()->objectName(), QStringLiteral("分组框20"));
      QCOMPARE(b->pos(), r.at);
      QVERIFY2(!b->isChecked(), r.name);
      // The whole caption fits beside the indicator.
      QVERIFY2(b->width() >= b->sizeHint().width(), r.name);
    }
  }

  // Each button reads the channel type at the click; the type is switched
  // between clicks in both directions.
  void fieldsFollowTheChannelType() {
    Window t;
    const QString records[] = {"article", "product", "channel"};
    for (int type : {1, 2, 0, 2, 1}) {
      t.choose("组合框16", type);
      const QStringList expected = recordTags(records[type]);
      for (int i = 0; i < 5; ++i) {
        t.click("按钮2");
        t.click(kChannelButtons[i]);
        QCOMPARE(t.box(), expected[i]);
        QCOMPARE(Window::clipboard(), expected[i]);
        QCOMPARE(t.status(), kCopied);
      }
    }
  }

  void changingTheTypeAlonePublishesNothing() {
    Window t;
    t.choose("组合框16", 1);
    t.click("单选框87");
    QCOMPARE(t.box(), QStringLiteral("{$product['title']}"));
    t.click("按钮2");
    QGuiApplication::clipboard()->setText("kept");
    t.choose("组合框16", 2);
    t.choose("组合框16", 0);
    QCOMPARE(t.box(), QString());
    QCOMPARE(Window::clipboard(), QStringLiteral("kept"));
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
    QVERIFY(t.find<QAbstractButton>("单选框87")->isChecked());
    t.click("单选框87");
    QCOMPARE(t.box(), QStringLiteral("{$article['title']}"));
  }

  // A list without a selected item leaves the box as it was and copies it again.
  void noChannelTypeCopiesTheBoxAgain() {
    Window t;
    t.publish("earlier text");
    t.find<QComboBox>("组合框16")->setCurrentIndex(-1);
    for (const char* radio : kChannelButtons) {
      QGuiApplication::clipboard()->setText("elsewhere");
      t.w.output().setStatus("before");
      t.click(radio);
      QCOMPARE(t.box(), QStringLiteral("earlier text"));
      QCOMPARE(Window::clipboard(), QStringLiteral("earlier text"));
      QCOMPARE(t.status(), kCopied);
    }
    t.w.output().setStatus("before");
    QGuiApplication::clipboard()->setText("elsewhere");
    t.clip.refuse = true;
    t.click("单选框88");
    QCOMPARE(t.box(), QStringLiteral("earlier text"));
    QCOMPARE(Window::clipboard(), QStringLiteral("elsewhere"));
    QCOMPARE(t.status(), QStringLiteral("before"));
  }

  void recordTagComposer_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    const QString records[] = {"article", "product", "channel"};
    const char* fields[] = {"title", "addtime", "body", "description", "hits"};
    const RecordField order[] = {RecordField::Title, RecordField::AddTime, RecordField::Body,
                                 RecordField::Description, RecordField::Hits};
    for (int type = 0; type < 3; ++type)
      for (int i = 0; i < 5; ++i)
        QTest::addRow("%s %s", fields[i], qPrintable(records[type]))
            << int(order[i]) << type << recordTags(records[type])[i];
  }
  void recordTagComposer() {
    QFETCH(int, field);
    QFETCH(int, type);
    QFETCH(QString, text);
    QCOMPARE(zt::content::recordTag(RecordField(field), type), std::optional<QString>(text));
  }

  void recordTagOutsideTheList() {
    for (int type : {-1, 3, 100})
      QVERIFY(!zt::content::recordTag(RecordField::Title, type).has_value());
  }

  // Fixed tags and stored snippets are the same for every channel type.
  void fixedTexts_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("text");
    QTest::newRow("单选框90 栏目名称") << "单选框90" << "{$type['classname']}";
    QTest::newRow("单选框91 所属栏目ID") << "单选框91" << "{$type['tid']}";
    QTest::newRow("单选框84 内容分页") << "单选框84" << "{$pages}";
    QTest::newRow("单选框63 缩略图") << "单选框63" << "{$article['litpic']}";
    QTest::newRow("单选框99 当前位置") << "单选框99" << "{$positions}";
    QTest::newRow("单选框89 上下篇") << "单选框89" << kPrevNext;
    QTest::newRow("单选框82 评论列表") << "单选框82" << kCommentList;
  }
  void fixedTexts() {
    QFETCH(QString, radio);
    QFETCH(QString, text);
    Window t;
    for (int type : {0, 1, 2}) {
      t.choose("组合框16", type);
      t.publish("old");
      t.click("按钮2");
      t.click(radio);
      QCOMPARE(t.box(), text);
      QCOMPARE(Window::clipboard(), text);
      QCOMPARE(t.status(), kCopied);
    }
  }

  void storedSnippetShapes() {
    Window t;
    t.click("单选框89");
    const QString prevNext = t.box();
    QCOMPARE(prevNext.size(), 138);
    QCOMPARE(prevNext.count("\r\n"), 1);
    QCOMPARE(prevNext.count('\n'), 1);
    QCOMPARE(prevNext.count('\r'), 1);
    QVERIFY(prevNext.endsWith("{/if}"));

    t.click("单选框82");
    const QString list = t.box();
    QCOMPARE(list.size(), 231);
    const QStringList lines = list.split("\r\n");
    QCOMPARE(lines.size(), 9);
    QCOMPARE(list.count('\n'), 8);
    QCOMPARE(list.count('\r'), 8);
    QCOMPARE(lines.first(), QStringLiteral("<script type=\"text/javascript\">"));
    QCOMPARE(lines[3], QString());
    QCOMPARE(lines.last(), QStringLiteral("4、评论输出模板"));
    QCOMPARE(Window::clipboard(), list);

    // The comment block reaches the clipboard whole, for every channel type.
    for (int type : {0, 1, 2}) {
      t.choose("组合框16", type);
      t.click("按钮2");
      t.click("单选框83");
      QCOMPARE(t.box().size(), 2421);
      QCOMPARE(Window::clipboard(), t.box());
      QCOMPARE(t.status(), kCopied);
    }
  }

  void commentBlockLines() {
    const QString block = commentBlock();
    QCOMPARE(block.size(), 2421);
    QCOMPARE(block.count("\r\n"), 46);
    QCOMPARE(block.count('\r'), 46);
    QCOMPARE(block.count('\n'), 46);
    QVERIFY(block.endsWith("</div>\r\n"));
    QStringList lines = block.split("\r\n");
    QCOMPARE(lines.takeLast(), QString());  // after the last CR LF
    QCOMPARE(lines.size(), 46);
    QCOMPARE(lines[0], QStringLiteral("\t评论CSS"));
    for (int n : {4, 14, 15}) QVERIFY2(lines[n - 1].isEmpty(), qPrintable(QString::number(n)));
    // Lines 2 to 13: bare style rules, one or more per line.
    static const QRegularExpression rule(R"(^([.#\w][\w .#,-]*\{[^{}]*\})+$)");
    for (int n = 2; n <= 13; ++n) {
      if (n == 4) continue;
      QVERIFY2(rule.match(lines[n - 1]).hasMatch(), qPrintable(lines[n - 1]));
    }
    QVERIFY(!block.contains("<style", Qt::CaseInsensitive));
    QCOMPARE(lines[15], QStringLiteral("<div class=\"comment\">"));
    QVERIFY(lines[45].endsWith("</div>"));
  }

  void commentBlockStyles() {
    const QString block = commentBlock();
    const QString css = block.left(block.indexOf("\r\n\r\n\r\n"));
    QVERIFY(!css.contains('<'));
    // Each selector stands in a selector list (followed by ',' or '{').
    const QStringList selectors = {
        ".content div.c,", ".comment div.c{", ".content ul.c,", ".comment ul.c{",
        ".content .t,", ".comment .t{", ".comment{", ".comment .i dl{", ".comment .i dl dt{",
        ".comment .i dl dd{", ".comment .list{", ".comment .list dl{", ".comment .list dl dt{",
        ".comment .list dl dd{"};
    expectInOrder(css, selectors);
    QCOMPARE(css.count('{'), css.count('}'));
    QCOMPARE(css.count('{'), 11);
  }

  void commentBlockTemplateTags() {
    const QString block = commentBlock();
    // Everything that the template engine reads as a tag, in order of first use.
    static const QRegularExpression tag(R"(\{(\$|/|if\b|else\b|fun\b|loop\b|include|foreach\b|sql\b)[^}]*\})");
    QStringList firstUse;
    for (auto it = tag.globalMatch(block); it.hasNext();) {
      const QString found = it.next().captured();
      if (!firstUse.contains(found)) firstUse << found;
    }
    QCOMPARE(firstUse, (QStringList{"{$GLOBALS['WWW']}", "{$molds}", "{$article['id']}",
                                    "{if($GLOBALS['G_QV']['vercode']==1)}", "{else}", "{/if}"}));
    QCOMPARE(block.count("{if("), 1);
    QCOMPARE(block.count("{else}"), 1);
    QCOMPARE(block.count("{/if}"), 1);
    expectInOrder(block, {"index.php?c=comment&m={$molds}", "include/vercode.php",
                          "article/ajax_comment.html"});
  }

  void commentBlockMarkup() {
    const QString block = commentBlock();
    const QString markup = block.mid(block.indexOf("<div class=\"comment\">"));
    expectInOrder(markup, {
        "<div class=\"comment\">",
        "<div class=\"t c\">文章评论</div>",
        "<div class=\"i c\">",
        "<script type=\"text/javascript\">",
        "function comment_ret(){",
        "alert('请输入评论内容！')",
        "alert('请输入验证码！')",
        ".length>500",
        "alert('评论内容不能超过500字！')",
        "</script>",
        "<form name=\"comment\" method=\"post\" action=\"{$GLOBALS['WWW']}index.php?c=comment&m={$molds}\"",
        "onsubmit=\"return comment_ret();\"",
        "<input type=\"hidden\" name=\"aid\" value=\"{$article['id']}\" />",
        "内容:",
        "<textarea name=\"body\"",
        "{if($GLOBALS['G_QV']['vercode']==1)}",
        "验证码:",
        "name=\"vercode\" class=\"inp\"",
        "<img src=\"{$GLOBALS['WWW']}include/vercode.php\" id=\"vercodeimg\" width=\"58\" height=\"24\" "
        "onclick=\"newvercode();\"",
        "<script type=\"text/javascript\">",
        "function newvercode(){",
        "site_dir",
        "document.getElementById('vercodeimg').src=",
        "'include/vercode.php?a='+Math.random()",
        "setTimeout(newvercode,1000);",
        "</script>",
        "{else}<dt>&nbsp;</dt>",
        "{/if}",
        "<input type=\"submit\" value=\"提交\" class=\"btnmini\" />",
        "</form>",
        "<div id=\"comment\"></div>",
        "ajax_comment('comment','article',{$article['id']},1,'article/ajax_comment.html');",
        "</script></div>",
    });
    // Opened and closed alike, and the form check runs before the form.
    for (const char* element : {"div", "dl", "dt", "dd", "form", "script", "textarea"})
      QVERIFY2(markup.count(QString("<%1").arg(element)) == markup.count(QString("</%1>").arg(element)),
               element);
    // The vercode part holds no closing of what it did not open.
    const QString vercode = markup.section("{if($GLOBALS['G_QV']['vercode']==1)}", 1).section("{else}", 0, 0);
    QCOMPARE(vercode.count("<dd"), vercode.count("</dd>"));
    QCOMPARE(vercode.count("<script"), 1);
  }

  void customFieldComposer_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("name") << "price" << "{$channel['price']}";
    QTest::newRow("chinese name") << "价格" << "{$channel['价格']}";
    QTest::newRow("blanks count as filled in") << "   " << "{$channel['   ']}";
    QTest::newRow("blanks kept around the name") << " a b " << "{$channel[' a b ']}";
    QTest::newRow("quote not escaped") << "a'b" << "{$channel['a'b']}";
    QTest::newRow("empty") << "" << "  你还没有输入字段名";
    QTest::newRow("missing") << QString() << "  你还没有输入字段名";
  }
  void customFieldComposer() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(zt::content::customField(name), text);
  }

  void customFieldButton() {
    Window t;
    t.type("编辑框34", "price");
    t.click("按钮16");
    QCOMPARE(t.box(), QStringLiteral("{$channel['price']}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{$channel['price']}"));
    QCOMPARE(t.status(), kCopied);

    t.setText("编辑框34", "  ");
    t.click("按钮2");
    t.click("按钮16");
    QCOMPARE(t.box(), QStringLiteral("{$channel['  ']}"));
    QCOMPARE(t.status(), kCopied);

    // The reminder is published like a tag: box, clipboard and report.
    t.setText("编辑框34", "");
    t.click("按钮2");
    t.click("按钮16");
    QCOMPARE(t.box(), QStringLiteral("  你还没有输入字段名"));
    QCOMPARE(Window::clipboard(), QStringLiteral("  你还没有输入字段名"));
    QCOMPARE(t.status(), kCopied);

    // The channel type plays no part.
    t.choose("组合框16", 1);
    t.setText("编辑框34", "size");
    t.clip.refuse = true;
    t.click("按钮2");
    t.click("按钮16");
    QCOMPARE(t.box(), QStringLiteral("{$channel['size']}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("  你还没有输入字段名"));
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
  }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
