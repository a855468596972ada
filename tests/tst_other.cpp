// Page "其他调用": the guestbook and ad slot composers as plain functions, and
// every control of the page through the real widgets: initial state, field
// tags following the loop variable, the paging code's refusal, quiet publish.
#include <QGroupBox>

#include "fixture.h"
#include "tags/other/othertags.h"

using namespace zt::other;

namespace {
const QString kCopied = QStringLiteral("    复制成功");
const QString kTimeDesc = QStringLiteral(" orderby=\"orders|desc,addtime|desc\"");
}  // namespace

class TestOther : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  // ---- composers ----------------------------------------------------------

  void guestbookLoop_data() {
    QTest::addColumn<QString>("tid");
    QTest::addColumn<int>("review");
    QTest::addColumn<int>("reply");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("var");
    QTest::addColumn<QString>("pageId");
    QTest::addColumn<QString>("tag");
    const QString open = "{loop table=\"message\"";
    QTest::newRow("initial lists") << "" << 2 << 0 << 3 << "" << "" << "" << open + kTimeDesc + "}";
    QTest::newRow("未审 adds nothing") << "" << 1 << 0 << 3 << "" << "" << "" << open + kTimeDesc + "}";
    QTest::newRow("nothing at all") << "" << 2 << 0 << 0 << "" << "" << "" << open + "}";
    QTest::newRow("no list selection") << "" << -1 << -1 << -1 << "" << "" << "" << open + "}";
    QTest::newRow("已审") << "" << 0 << 0 << 0 << "" << "" << "" << open + " isshow=\"1\"}";
    QTest::newRow("已回复") << "" << 2 << 1 << 0 << "" << "" << "" << open + " reply=\"1\"}";
    QTest::newRow("未回复") << "" << 2 << 2 << 0 << "" << "" << "" << open + " reply=\"2\"}";
    QTest::newRow("ID倒序") << "" << 2 << 0 << 1 << "" << "" << "" << open + " orderby=\"orders|desc,id|desc\"}";
    QTest::newRow("ID正序") << "" << 2 << 0 << 2 << "" << "" << "" << open + " orderby=\"orders|desc,id\"}";
    QTest::newRow("时间正序") << "" << 2 << 0 << 4 << "" << "" << "" << open + " orderby=\"orders|desc,addtime\"}";
    QTest::newRow("count limits") << "" << 2 << 0 << 0 << "10" << "" << "" << open + " limit=\"10\"}";
    QTest::newRow("count with paging: identifier first")
        << "" << 2 << 0 << 0 << "10" << "" << "pg" << open + " page=\"pg,10\"}";
    QTest::newRow("paging without count: neither clause")
        << "" << 2 << 0 << 3 << "" << "" << "pg" << open + kTimeDesc + "}";
    QTest::newRow("clause order tid isshow as reply orderby page")
        << "5" << 0 << 1 << 3 << "8" << "m" << "p"
        << open + " tid=\"5\" isshow=\"1\" as=\"m\" reply=\"1\"" + kTimeDesc + " page=\"p,8\"}";
    QTest::newRow("clause order with limit")
        << "7" << 0 << 2 << 1 << "3" << "row" << ""
        << open + " tid=\"7\" isshow=\"1\" as=\"row\" reply=\"2\" orderby=\"orders|desc,id|desc\" limit=\"3\"}";
    QTest::newRow("blanks count, texts go in as typed")
        << " " << 2 << 0 << 0 << "x\"y" << "a\"b" << " "
        << open + " tid=\" \" as=\"a\"b\" page=\" ,x\"y\"}";
  }
  void guestbookLoop() {
    QFETCH(QString, tid);
    QFETCH(int, review);
    QFETCH(int, reply);
    QFETCH(int, order);
    QFETCH(QString, count);
    QFETCH(QString, var);
    QFETCH(QString, pageId);
    QFETCH(QString, tag);
    QCOMPARE(zt::other::guestbookLoop({tid, review, reply, order, count, var, pageId}), tag);
  }

  void adLoop_data() {
    QTest::addColumn<QString>("taid");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("var");
    QTest::addColumn<QString>("tag");
    const QString open = "{loop table=\"ads\"";
    QTest::newRow("initial") << "" << 0 << "" << "" << open + "}";
    QTest::newRow("no selection") << "" << -1 << "" << "" << open + "}";
    QTest::newRow("图片") << "" << 1 << "" << "" << open + " type=\"1\"}";
    QTest::newRow("FLASH") << "" << 2 << "" << "" << open + " type=\"2\"}";
    QTest::newRow("文字") << "" << 3 << "" << "" << open + " type=\"3\"}";
    QTest::newRow("视频") << "" << 4 << "" << "" << open + " type=\"4\"}";
    QTest::newRow("自定义代码") << "" << 5 << "" << "" << open + " type=\"5\"}";
    QTest::newRow("variable alone") << "" << 0 << "" << "ad" << open + " as=\"ad\"}";
    QTest::newRow("order taid limit as type")
        << "3" << 4 << "6" << "ad" << open + " taid=\"3\" limit=\"6\" as=\"ad\" type=\"4\"}";
    QTest::newRow("texts as typed") << "1x" << 0 << " " << "a\"" << open + " taid=\"1x\" limit=\" \" as=\"a\"\"}";
  }
  void adLoop() {
    QFETCH(QString, taid);
    QFETCH(int, type);
    QFETCH(QString, count);
    QFETCH(QString, var);
    QFETCH(QString, tag);
    QCOMPARE(zt::other::adLoop({taid, type, count, var}), tag);
  }

  void thumbnail_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty: reminder") << "" << "  你还没有输入图片路径";
    QTest::newRow("blank counts") << " " << "<img src=' ' />";
    QTest::newRow("path") << "/uploads/a.jpg" << "<img src='/uploads/a.jpg' />";
    QTest::newRow("quote unchanged") << "a'b.png" << "<img src='a'b.png' />";
  }
  void thumbnail() {
    QFETCH(QString, path);
    QFETCH(QString, text);
    QCOMPARE(zt::other::thumbnail(path), text);
  }

  // ---- the page through its widgets ----------------------------------------

  void initialState() {
    Window t;
    auto combo = [&](const char* name, QStringList items, int index) {
      auto* c = t.find<QComboBox>(name);
      QStringList shown;
      for (int i = 0; i < c->count(); ++i) shown << c->itemText(i);
      QCOMPARE(shown, items);
      QCOMPARE(c->currentIndex(), index);
      QVERIFY(!c->isEditable());
    };
    combo("组合框10", {"已审", "未审", "全部"}, 2);
    combo("组合框11", {"全部", "已回复", "未回复"}, 0);
    combo("组合框12", {"默认", "ID倒序", "ID正序", "时间倒序", "时间正序"}, 3);
    combo("组合框14", {"全部", "图片", "FLASH", "文字", "视频", "自定义代码"}, 0);
    for (const char* e : {"编辑框16", "编辑框17", "编辑框18", "编辑框19", "编辑框20", "编辑框21",
                          "编辑框22", "编辑框25"})
      QVERIFY(t.find<QLineEdit>(e)->text().isEmpty());
    auto* tabs = t.find<QTabWidget>("选择夹1");
    QCOMPARE(tabs->tabText(2), QStringLiteral("其他调用"));
    for (const char* g : {"分组框12", "分组框17", "分组框25", "分组框11", "分组框13", "分组框14"})
      QCOMPARE(tabs->widget(2)->isAncestorOf(t.find(g)), true);
    QCOMPARE(t.find<QGroupBox>("分组框13")->title(), QStringLiteral("留言其他标签"));
    QCOMPARE(t.find<QAbstractButton>("单选框53")->text(), QStringLiteral("分页代码"));
  }

  void integerInput_data() {
    QTest::addColumn<QString>("box");
    for (const char* b : {"编辑框16", "编辑框17", "编辑框20", "编辑框21"}) QTest::newRow(b) << QString(b);
  }
  void integerInput() {
    QFETCH(QString, box);
    Window t;
    t.type(box, "1a-2 b3");
    QCOMPARE(t.find<QLineEdit>(box)->text(), QStringLiteral("1-23"));
  }

  void loopVariableBoxesTakeAnyText() {
    Window t;
    t.type("编辑框18", "Ab1");
    t.type("编辑框19", "Pg");
    QCOMPARE(t.find<QLineEdit>("编辑框18")->text(), QStringLiteral("Ab1"));
    QCOMPARE(t.find<QLineEdit>("编辑框19")->text(), QStringLiteral("Pg"));
  }

  void guestbookComposerIsQuiet() {
    Window t;
    t.setText("编辑框25", "");
    t.click("按钮12");  // leaves "    复制成功"
    t.click("按钮2");   // leaves "     内容已清空"
    t.click("按钮10");
    const QString initial = "{loop table=\"message\"" + kTimeDesc + "}";
    QCOMPARE(t.box(), initial);
    QCOMPARE(Window::clipboard(), initial);
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));

    t.type("编辑框16", "5");
    t.choose("组合框10", 0);
    t.choose("组合框11", 2);
    t.choose("组合框12", 4);
    t.type("编辑框17", "10");
    t.type("编辑框18", "m");
    t.type("编辑框19", "pg");
    t.click("按钮10");
    const QString full = "{loop table=\"message\" tid=\"5\" isshow=\"1\" as=\"m\" reply=\"2\""
                         " orderby=\"orders|desc,addtime\" page=\"pg,10\"}";
    QCOMPARE(t.box(), full);
    QCOMPARE(Window::clipboard(), full);
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
  }

  void guestbookFields_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("plain");  // with 编辑框18 empty
    QTest::addColumn<QString>("withM");  // with 编辑框18 = "m"
    auto row = [](const char* r, const char* caption, const char* plain, const char* withM) {
      QTest::newRow(r) << QString(r) << QString(caption) << QString(plain) << QString(withM);
    };
    row("单选框44", "标题ID", "{$v['id']}", "{$m['id']}");
    row("单选框48", "留言标题", "{$v['title']}", "{$m['title']}");
    row("单选框49", "留言内容", "{$v['body']}", "{$m['body']}");
    row("单选框45", "数字排序", "{$v['n']}", "{$m['n']}");
    row("单选框46", "所属栏目ID", "{$v['tid']}", "{$m['tid']}");
    row("单选框47", "所属栏目名", "{fun typename($v['tid'])}", "{fun typename($m['tid'])}");
    row("单选框50", "回复内容", "{$v['reply']}", "{$m['reply']}");
    row("单选框51", "留言时间", "{fun date('Y-m-d',$v['addtime'])}", "{fun date('Y-m-d',$m['addtime'])}");
    row("单选框52", "回复时间", "{fun date('Y-m-d',$v['retime'])}", "{fun date('Y-m-d',$m['retime'])}");
    row("单选框54", "结束标签", "{/loop}", "{/loop}");
  }
  void guestbookFields() {
    QFETCH(QString, radio);
    QFETCH(QString, caption);
    QFETCH(QString, plain);
    QFETCH(QString, withM);
    Window t;
    QCOMPARE(t.find<QAbstractButton>(radio)->text(), caption);
    t.click(radio);
    QCOMPARE(t.box(), plain);
    QCOMPARE(Window::clipboard(), plain);
    QCOMPARE(t.status(), kCopied);
    t.type("编辑框18", "m");
    t.click("按钮2");
    t.click(radio);  // the selected button publishes again, with the variable
    QCOMPARE(t.box(), withM);
    QCOMPARE(Window::clipboard(), withM);
    QCOMPARE(t.status(), kCopied);
  }

  void fieldTagRefusedByClipboard() {
    Window t;
    t.click("按钮2");
    t.clip.refuse = true;
    t.click("单选框48");
    QCOMPARE(t.box(), QStringLiteral("{$v['title']}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("<before>"));
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
  }

  void pagingCodeWrapsTheIdentifierQuietly() {
    Window t;
    t.click("按钮2");
    t.type("编辑框19", "pages");
    t.click("单选框53");
    QCOMPARE(t.box(), QStringLiteral("{$pages}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{$pages}"));
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
  }

  void pagingCodeWithoutIdentifierAsksForIt() {
    Window t;
    t.publish("earlier tag");  // status "    复制成功"
    QGuiApplication::clipboard()->setText("someone else's");
    const int puts = t.clip.puts;
    const SeenMessage seen = expectMessage([&] { t.click("单选框53"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("信息："));
    QCOMPARE(seen.text, QStringLiteral(" 你没有设置分页标识\r\n\r\n   请先设置分页标识.. "));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.focus, t.find("编辑框19"));
    // The box is left alone and its old text copied again, with no report.
    QCOMPARE(t.box(), QStringLiteral("earlier tag"));
    QCOMPARE(t.clip.puts, puts + 1);
    QCOMPARE(Window::clipboard(), QStringLiteral("earlier tag"));
    QCOMPARE(t.status(), kCopied);
    t.click("按钮2");
    expectMessage([&] { t.click("单选框53"); });
    QCOMPARE(t.box(), QString());
    QCOMPARE(Window::clipboard(), QString());
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
  }

  void adComposerIsQuiet() {
    Window t;
    t.click("按钮2");
    t.click("按钮11");
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"ads\"}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{loop table=\"ads\"}"));
    t.type("编辑框20", "3");
    t.type("编辑框21", "6");
    t.type("编辑框22", "ad");
    t.choose("组合框14", 4);
    t.click("按钮11");
    const QString full = "{loop table=\"ads\" taid=\"3\" limit=\"6\" as=\"ad\" type=\"4\"}";
    QCOMPARE(t.box(), full);
    QCOMPARE(Window::clipboard(), full);
    t.choose("组合框14", 0);
    t.setText("编辑框20", "");
    t.setText("编辑框21", "");
    t.click("按钮11");
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"ads\" as=\"ad\"}"));
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
  }

  void thumbnailPublishes() {
    Window t;
    t.publish("old");
    t.click("按钮2");
    t.click("按钮12");
    QCOMPARE(t.box(), QStringLiteral("  你还没有输入图片路径"));
    QCOMPARE(Window::clipboard(), QStringLiteral("  你还没有输入图片路径"));
    QCOMPARE(t.status(), kCopied);
    t.type("编辑框25", "/up/a'1.jpg");
    t.click("按钮12");
    QCOMPARE(t.box(), QStringLiteral("<img src='/up/a'1.jpg' />"));
    QCOMPARE(Window::clipboard(), QStringLiteral("<img src='/up/a'1.jpg' />"));
  }
};

QTEST_MAIN(TestOther)
#include "tst_other.moc"
