// Page "系统调用": every head tag, head block and system tag through the real
// radio buttons, and the inner tab switch of the list-page title.
#include "fixture.h"

class TestSystem : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  void tags_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    const QString site = "-{$GLOBALS['S']['title']}";
    auto row = [](const char* radio, const char* caption, const QString& text) {
      QTest::newRow(radio) << QString(radio) << QString(caption) << text;
    };
    row("单选框4", "标题[Title]", "{$GLOBALS['S']['title']}");
    row("单选框5", "关键字[Keywords]", "{$GLOBALS['S']['keywords']}");
    row("单选框6", "描述[Description]", "{$GLOBALS['S']['description']}");
    row("单选框9", "标题[Title]", "{$type['title']}" + site);
    row("单选框7", "关键字[Keywords]", "{$type['keywords']}" + site);
    row("单选框8", "描述[Description]", "{$type['description']}" + site);
    row("单选框10", "标题[Title]", "{$article['title']}" + site);
    row("单选框11", "关键字[Keywords]", "{$article['keywords']}" + site);
    row("单选框12", "描述[Description]", "{$article['description']}" + site);
    row("单选框16", "标题[Title]", "{$type['title']}");
    row("单选框17", "关键字[Keywords]", "{$type['keywords']}");
    row("单选框18", "描述[Description]", "{$type['description']}");
    row("单选框19", "标题[Title]", "{$channel['title']}");
    row("单选框20", "关键字[Keywords]", "{$channel['keywords']}");
    row("单选框21", "描述[Description]", "{$channel['description']}");
    row("单选框13", "首页",
        "<title>{$GLOBALS['S']['title']}</title>\r\n"
        "<meta name=\"description\" content=\"{$GLOBALS['S']['description']}\" />\r\n"
        "<meta name=\"keywords\" content=\"{$GLOBALS['S']['keywords']}\" />");
    row("单选框14", "列表页",
        "<title>{$type['title']}-{$GLOBALS['S']['title']}</title>\r\n"
        "<meta name=\"description\" content=\"{$type['description']}-{$GLOBALS['S']['title']}\" />\r\n"
        "<meta name=\"keywords\" content=\"{$type['keywords']}-{$GLOBALS['S']['title']}\" />");
    row("单选框15", "内容页",
        "<title>{$article['title']}-{$GLOBALS['S']['title']}</title>\r\n"
        "<meta name=\"description\" content=\"{$type['description']}-{$GLOBALS['S']['title']}\" />\r\n"
        "<meta name=\"keywords\" content=\"{$type['keywords']}-{$GLOBALS['S']['title']}\" />");
    row("单选框22", "当前位置", "{$positions}");
    row("单选框23", "站点根路径", "{$GLOBALS['WWW']}");
    row("单选框25", "站点网址", "{$GLOBALS['S']['http']}");
    row("单选框95", "站点名称", "{$GLOBALS['S']['title']}");
    row("单选框28", "头部调用", "{include=\"head.html\"}");
    row("单选框29", "底部调用", "{include=\"footer.html\"}");
    row("单选框30", "左侧调用", "{include=\"left.html\"}");
    row("单选框31", "右侧调用", "{include=\"right.html\"}");
    row("单选框59", "新Css路径", "./style/");
    row("单选框24", "新图片路径", "./images/");
    row("单选框26", "CSS路径", "{$GLOBALS['skin']}style/");
    row("单选框27", "图片路径", "{$GLOBALS['skin']}images/");
  }
  void tags() {
    QFETCH(QString, radio);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    Window t;
    t.publish("old text");
    QCOMPARE(t.find<QAbstractButton>(radio)->text(), caption);
    t.click(radio);
    QCOMPARE(t.box(), text);
    QCOMPARE(Window::clipboard(), text);
    QCOMPARE(t.status(), QStringLiteral("    复制成功"));
    // A second click on the selected button publishes again, not twice over.
    QVERIFY(t.find<QAbstractButton>(radio)->isChecked());
    t.click("按钮2");
    t.click(radio);
    QCOMPARE(t.box(), text);
    QCOMPARE(t.status(), QStringLiteral("    复制成功"));
  }

  void headBlocksHaveThreeLinesAndNoTrailingBreak() {
    Window t;
    for (const char* radio : {"单选框13", "单选框14", "单选框15"}) {
      t.click(radio);
      const QString text = t.box();
      QCOMPARE(text.count("\r\n"), 2);
      QCOMPARE(text.count('\n'), 2);
      QVERIFY(!text.endsWith('\n'));
    }
    t.click("单选框13");
    QCOMPARE(t.box().size(), 173);
    t.click("单选框14");
    QCOMPARE(t.box().size(), 224);
    t.click("单选框15");
    QCOMPARE(t.box().size(), 227);
  }

  void listTitleTurnsTheInnerTabs() {
    Window t;
    auto* inner = t.find<QTabWidget>("选择夹2");
    QCOMPARE(inner->count(), 3);
    QCOMPARE(inner->tabText(0), QStringLiteral(" 文章内容页 "));
    QCOMPARE(inner->tabText(1), QStringLiteral(" 交互留言页 "));
    QCOMPARE(inner->tabText(2), QStringLiteral(" 自定义频道 "));
    QCOMPARE(inner->currentIndex(), 0);
    t.click("单选框7");
    t.click("单选框4");
    t.click("单选框13");
    QCOMPARE(inner->currentIndex(), 0);
    t.click("按钮2");
    t.clip.refuse = true;
    t.click("单选框9");
    QCOMPARE(inner->currentIndex(), 2);
    QCOMPARE(t.box(), QStringLiteral("{$type['title']}-{$GLOBALS['S']['title']}"));
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
    inner->setCurrentIndex(1);
    t.click("单选框9");
    QCOMPARE(inner->currentIndex(), 2);
  }

  void groupsLandBelowTheTabStrip() {
    Window t;
    auto* tabs = t.find<QTabWidget>("选择夹1");
    t.reveal(t.find("分组框5"));
    QApplication::processEvents();
    // Places count from the tab control's corner, tab strip included.
    QCOMPARE(t.find("分组框4")->mapTo(tabs, QPoint()).y(), 31);
    QCOMPARE(t.find("分组框5")->mapTo(tabs, QPoint()).y(), 278);
    QVERIFY(t.find("分组框5")->geometry().bottom() < t.find("分组框5")->parentWidget()->height());
  }
};

QTEST_MAIN(TestSystem)
#include "tst_system.moc"
