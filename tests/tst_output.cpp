// The output path: exact text through box and clipboard, the frame's
// buttons, status texts, clipboard refusal, warn, menus and keys.
#include <QDesktopServices>

#include "app/inputs.h"
#include "app/textops.h"
#include "fixture.h"

class TestOutput : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  void textOps() {
    QVERIFY(!zt::text_is_nonempty(QString()));
    QVERIFY(!zt::text_is_nonempty(u""));
    QVERIFY(zt::text_is_nonempty(u" "));
    QCOMPARE(zt::concat({u"{$", QString(), u"v", u"['title']}"}), QStringLiteral("{$v['title']}"));
    QCOMPARE(zt::concat({QString()}), QString());
  }

  void splitKeepsEveryBreak_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("breaks");
    QTest::newRow("empty") << "" << QStringList{""} << QStringList{};
    QTest::newRow("crlf") << "a\r\nb" << QStringList{"a", "b"} << QStringList{"\r\n"};
    QTest::newRow("cr cr lf is one break") << "a\r\r\nb" << QStringList{"a", "b"} << QStringList{"\r\r\n"};
    QTest::newRow("cr then lf-less cr") << "a\r\rb" << QStringList{"a", "", "b"} << QStringList{"\r", "\r"};
    QTest::newRow("lf cr") << "a\n\rb" << QStringList{"a", "", "b"} << QStringList{"\n", "\r"};
    QTest::newRow("trailing") << "a\r" << QStringList{"a", ""} << QStringList{"\r"};
  }
  void splitKeepsEveryBreak() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, breaks);
    const zt::SplitText s = zt::splitLines(text);
    QCOMPARE(s.lines, lines);
    QCOMPARE(s.breaks, breaks);
  }

  void roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("crlf") << QStringLiteral("<title>x</title>\r\n<meta />\r\n<meta />");
    QTest::newRow("bare cr script") << QStringLiteral("<script>\r\tvar a = 1;  \r\r}\r</script>");
    QTest::newRow("cr cr lf stylesheet") << QStringLiteral(".page{}\r\r\n.page a{ }\r\r\n");
    QTest::newRow("marquee ends in cr") << QStringLiteral("<marquee>滚动</marquee>\r");
    QTest::newRow("lf and mixed") << QStringLiteral("a\nb\r\nc\rd\r\r\ne\n\r");
    QTest::newRow("only breaks") << QStringLiteral("\r\n\r\n\r\r\n\n\r");
    QTest::newRow("tabs and blanks") << QStringLiteral("\t \t  x  \t\r\n \t");
    QTest::newRow("no-break space") << QStringLiteral("a\u00a0b&nbsp;");
    QTest::newRow("long") << QString(QStringLiteral("0123456789abcdef\r\n\t")).repeated(1200);
  }
  void roundTrip() {
    QFETCH(QString, text);
    Window t;
    t.publish(text);
    QCOMPARE(t.box(), text);
    QCOMPARE(Window::clipboard(), text);
    QCOMPARE(t.status(), QStringLiteral("    复制成功"));
    // "复制标签" copies the same bytes again.
    QGuiApplication::clipboard()->setText(QStringLiteral("other"));
    t.click("按钮1");
    QCOMPARE(Window::clipboard(), text);
    QCOMPARE(t.status(), QStringLiteral("     复制成功！"));
  }

  void typedEditsKeepTheOtherBreaks() {
    Window t;
    t.publish(QStringLiteral("one\rtwo\r\r\nthree"));
    auto* box = t.find<zt::OutputBox>("编辑框1");
    box->setFocus();
    QTextCursor c = box->textCursor();
    c.setPosition(1);  // "o|ne"
    box->setTextCursor(c);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("X"));
    QCOMPARE(t.box(), QStringLiteral("o\r\nXne\rtwo\r\r\nthree"));
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(t.box(), QStringLiteral("o\r\nXne\rtwo\r\r\nthree\r\n"));
    // Joining two lines removes exactly the break between them.
    c = box->textCursor();
    c.setPosition(QStringLiteral("o\nXne").size());
    box->setTextCursor(c);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(t.box(), QStringLiteral("o\r\nXnetwo\r\r\nthree\r\n"));
    t.click("按钮1");
    QCOMPARE(Window::clipboard(), t.box());
  }

  void typingIntoAnEmptyBox() {
    Window t;
    t.type("编辑框1", QStringLiteral("ab"));
    QTest::keyClick(t.find("编辑框1"), Qt::Key_Enter);
    QTest::keyClicks(t.find("编辑框1"), QStringLiteral("c"));
    t.click("按钮1");
    QCOMPARE(Window::clipboard(), QStringLiteral("ab\r\nc"));
  }

  void initialFrame() {
    Window t;
    QCOMPARE(t.w.windowTitle(), QStringLiteral("Zorvan标签生成器"));
    QCOMPARE(t.box(), QString());
    QCOMPARE(t.status(), QString());
    QCOMPARE(t.find<QLabel>("状态条1_0")->text(), QStringLiteral(" 温馨提示"));
    QCOMPARE(t.find<QLabel>("状态条1_0")->width(), 60);
    QCOMPARE(t.find<QLabel>("状态条1_1")->width(), 440);
    QVERIFY(!t.find<QStatusBar>("状态条1")->isSizeGripEnabled());
    QCOMPARE(t.find<QAbstractButton>("按钮1")->text(), QStringLiteral("复制标签"));
    QCOMPARE(t.find<QAbstractButton>("按钮2")->text(), QStringLiteral("清空内容"));
    QCOMPARE(t.find<QLabel>("标签1")->text(), QStringLiteral("输出标签："));
    auto* tabs = t.find<QTabWidget>("选择夹1");
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList captions{"首页调用", "系统调用", "其他调用", "列表页", "内容页 ", "网站特效", "使用说明"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i) QCOMPARE(tabs->tabText(i), captions[i]);
    QCOMPARE(t.w.size(), QSize(506, 618));
    QVERIFY(!(t.w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(t.w.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!t.w.windowIcon().isNull());
  }

  void resizingMovesOnlyTheStatusBar() {
    Window t;
    QWidget* bar = t.find("状态条1");
    const QRect frame = t.find("分组框1")->geometry();
    t.w.resize(700, 800);
    QApplication::processEvents();
    QCOMPARE(t.find("分组框1")->geometry(), frame);
    QCOMPARE(bar->geometry().bottom(), t.w.rect().bottom());
    QCOMPARE(bar->width(), 700);
  }

  void clearKeepsTheClipboard() {
    Window t;
    t.publish(QStringLiteral("{$positions}"));
    t.click("按钮2");
    QCOMPARE(t.box(), QString());
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{$positions}"));
  }

  void copyOfAnEmptyBox() {
    Window t;
    t.click("按钮1");
    QCOMPARE(Window::clipboard(), QString());
    QCOMPARE(t.status(), QStringLiteral("     复制成功！"));
  }

  void refusedClipboard() {
    Window t;
    t.w.output().setStatus(zt::kEnglishHint);
    t.clip.refuse = true;
    t.publish(QStringLiteral("{$GLOBALS['WWW']}"));
    QCOMPARE(t.box(), QStringLiteral("{$GLOBALS['WWW']}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("<before>"));
    QCOMPARE(t.status(), zt::kEnglishHint);
    t.click("按钮1");
    QCOMPARE(t.status(), zt::kEnglishHint);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void quietPublishLeavesTheStatus() {
    Window t;
    t.w.output().setStatus(QStringLiteral("old"));
    t.w.output().quietPublish(QStringLiteral("{loop table=\"classtype\"}"));
    QCOMPARE(t.box(), QStringLiteral("{loop table=\"classtype\"}"));
    QCOMPARE(Window::clipboard(), QStringLiteral("{loop table=\"classtype\"}"));
    QCOMPARE(t.status(), QStringLiteral("old"));
  }

  void warnMovesTheFocusFirst() {
    Window t;
    QWidget* field = t.find("按钮2");
    const SeenMessage m = expectMessage([&] { t.w.output().warn(field, QStringLiteral(" 请先填写频道名称.. ")); });
    QVERIFY(m.shown);
    QCOMPARE(m.title, QStringLiteral("信息："));
    QCOMPARE(m.text, QStringLiteral(" 请先填写频道名称.. "));
    QCOMPARE(m.icon, QMessageBox::NoIcon);
    QCOMPARE(m.focus, field);
  }

  void menuClose() {
    Window t;
    auto* close = t.w.findChild<QAction*>("关闭");
    QVERIFY(close);
    close->trigger();
    QTRY_VERIFY(!t.w.isVisible());
  }

  void menuChatOpensTheAddress() {
    Window t;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    t.w.findChild<QAction*>("联系作者")->trigger();
    QDesktopServices::unsetUrlHandler("http");
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls[0].toString(),
             QStringLiteral("http://wpa.qq.com/msgrd?v=3&uin=555000123&site=qq&menu=yes"));
    QCOMPARE(t.box(), QString());
    QCOMPARE(t.status(), QString());
  }

  void escapeClosesFromTheOutputBox() {
    Window t;
    QWidget* box = t.find("编辑框1");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Escape);
    QTRY_VERIFY(!t.w.isVisible());
  }

  // Pages other than the first are built once the window has drawn its
  // first frame, or at once when the user turns to them.
  void hiddenPagesAreBuiltAfterTheFirstFrame() {
    FakeClipboard clip;
    zt::MainWindow w(&clip);
    QVERIFY(w.findChild<QWidget*>("单选框35"));  // page 0 is there from the start
    w.show();
    QTRY_VERIFY(w.findChild<QWidget*>("单选框22"));
    QVERIFY(w.findChild<QWidget*>("按钮4"));
  }

  void turningToAnUnbuiltPageBuildsIt() {
    FakeClipboard clip;
    zt::MainWindow w(&clip);
    w.show();
    QVERIFY(!w.findChild<QWidget*>("单选框22"));
    auto* tabs = w.findChild<QTabWidget*>("选择夹1");
    tabs->setCurrentIndex(1);
    auto* radio = w.findChild<QAbstractButton*>("单选框22");
    QVERIFY(radio);
    QVERIFY(radio->isVisible());
    QCOMPARE(w.findChild<QWidget*>("分组框5")->mapTo(tabs, QPoint()).y(), 278);
    QVERIFY(!w.findChild<QWidget*>("按钮4"));  // other pages wait for their turn
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QCOMPARE(w.output().boxText(), QStringLiteral("{$positions}"));
  }

  void enterPressesNoButton() {
    Window t;
    auto* copy = t.find<QAbstractButton>("按钮1");
    copy->setFocus();
    QTest::keyClick(copy, Qt::Key_Return);
    QTest::keyClick(copy, Qt::Key_Enter);
    QCOMPARE(t.clip.puts, 0);
    QCOMPARE(QApplication::focusWidget(), copy);
  }
};

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
