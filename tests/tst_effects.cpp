// Page "网站特效": the five stored snippets through their radio buttons, and
// the three kit buttons writing into a download folder of the test's own.
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <unistd.h>

#include "effects/kits.h"
#include "fixture.h"

namespace {

QByteArray resourceBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray fileBytes(const QString& path) { return resourceBytes(path); }

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(bytes), bytes.size());
}

// The three kit buttons, the file each writes and the kit it holds.
void kitRows() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("resource");
  QTest::newRow("按钮18 focus.swf") << "按钮18" << "focus.swf" << ":/kits/focus.swf";
  QTest::newRow("按钮13 1qq.zip") << "按钮13" << "1qq.zip" << ":/kits/1qq.zip";
  QTest::newRow("按钮19 banner.zip") << "按钮19" << "banner.zip" << ":/kits/banner.zip";
}

}  // namespace

class TestEffects : public QObject {
  Q_OBJECT
 public slots:
  // Stands in for the file manager: every "file" address opened lands here.
  void opened(const QUrl& url) { openedUrls << url; }

 private:
  QList<QUrl> openedUrls;
  std::unique_ptr<QTemporaryDir> home;
  QString downloads;  // the download folder the user's settings name

 private slots:
  void initTestCase() {
    zt::setupApplication();
    QDesktopServices::setUrlHandler("file", this, "opened");
  }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }

  // A fresh home for every test, whose settings put downloads into a folder
  // that does not exist yet.
  void init() {
    openedUrls.clear();
    home = std::make_unique<QTemporaryDir>();
    QVERIFY(home->isValid());
    qputenv("HOME", home->path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home->path() + "/.config").toLocal8Bit());
    QDir().mkpath(home->path() + "/.config");
    writeFile(home->path() + "/.config/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"$HOME/下载\"\n");
    downloads = home->path() + "/下载";
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation), downloads);
  }
  void cleanup() {
    QFile::setPermissions(downloads, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    home.reset();
  }

  void page() {
    Window t;
    auto* tabs = t.find<QTabWidget>("选择夹1");
    QCOMPARE(tabs->tabText(5), QStringLiteral("网站特效"));
    const struct { const char* name; const char* caption; QRect place; } controls[] = {
        {"分组框24", "网页特效", {5, 31, 480, 60}},
        {"分组框26", "在线QQ和全屏banner", {5, 99, 480, 64}},
        {"分组框27", "滚动代码", {5, 179, 480, 64}},
    };
    t.reveal(t.find("分组框24"));
    QApplication::processEvents();
    for (const auto& c : controls) {
      auto* g = t.find<QGroupBox>(c.name);
      QCOMPARE(g->title(), QString(c.caption));
      // The builder takes the tab strip off the given place, nothing else.
      QCOMPARE(QRect(g->x(), g->mapTo(tabs, QPoint()).y(), g->width(), g->height()), c.place);
    }
    const struct { const char* name; const char* caption; } buttons[] = {
        {"单选框96", "产品滚动"}, {"单选框97", "图片轮播"}, {"按钮18", "获取flash"},
        {"单选框105", "调用代码"}, {"按钮13", "获取文件"}, {"单选框106", "全屏banner"},
        {"按钮19", "获取文件"}, {"单选框107", "滚动代码"},
    };
    for (const auto& b : buttons) {
      auto* w = t.find<QAbstractButton>(b.name);
      QCOMPARE(w->text(), QString(b.caption));
      QVERIFY(!w->isChecked());
    }
    QCOMPARE(t.find("按钮13")->geometry(), QRect(104, 24, 80, 24));
    QCOMPARE(t.find("按钮19")->parentWidget()->objectName(), QStringLiteral("分组框26"));
    QCOMPARE(t.find("按钮18")->parentWidget()->objectName(), QStringLiteral("分组框24"));
  }

  void snippets_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("holds");
    const QString chat =
        "        <li><a href=\"http://wpa.qq.com/msgrd?v=3&uin=5550001234&site=qq&menu=yes\" "
        "rel=\"nofollow\"><img src=\"images/qq.png\"/></a></li>";
    QTest::newRow("编辑框4 product strip")
        << "单选框96" << 1753 << 60 << "\t      <!--最新图文代码开始-->"
        << "      <!--最新图文代码结束-->\t"
        << QStringList{"\r\n          \r\n\t\t  \r\n\t\t\t{loop table=\"article\" image=\"1\" tid=\"3\" limit=\"15\"}\r\n",
                       "{fun newstr($v['title'],10)} </a> \r\n", "\t  {/loop}\r\n",
                       "</script>\r\n\t\r\n\r\n      <!--"};
    QTest::newRow("编辑框43 flash carousel")
        << "单选框97" << 1779 << 21
        << "<!--在试用本图片轮播的时候需要先把focus.swf复制到图片文件夹下，点击后面的获取flash-->"
        << "</script> "
        << QStringList{"codebase=\"http://fpdownload.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=6,0,0,0\"",
                       "pluginspage=\"http://www.macromedia.com/go/getflashplayer\"",
                       "      var focus_width=980\t\t//flash的宽度\r\n",
                       "src=\"{$GLOBALS['skin']}images/focus.swf\"></embed>');\r\n"};
    QTest::newRow("编辑框50 service panel")
        << "单选框105" << 947 << 18
        << "<link href=\"style/index.css\" rel=\"stylesheet\" type=\"text/css\" />" << "</div>"
        << QStringList{"\r\n" + chat + "\r\n" + chat + "\r\n" + chat + "\r\n        <li class=\"weixin\">",
                       "<script src=\"style/jquery.js\"></script>\r\n<script src=\"style/kefu.js\"></script>\r\n",
                       "<a href=\"javascript:void(0)\" class=\"keifu_close\"></a>"};
    QTest::newRow("编辑框51 banner")
        << "单选框106" << 1231 << 29
        << "<link rel=\"stylesheet\" type=\"text/css\" href=\"style/style.css\" media=\"screen\" />"
        << "</div>"
        << QStringList{"\" />\r\n\r\n<script type=\"text/javascript\" src=\"style/jquery-1.8.3.min.js\"></script>",
                       "<img src=\"images/slides/slide3.jpg\" alt=\"\" />\t\t\t\t\t\t\t\t\t\r\n",
                       "slide6.jpg\" alt=\"\" />\t \r\n\t\t\t\t</li>\t\t\t\t\t\r\n\t\t\t</ul>",
                       "\t\t\t\t</li>\t\r\n"};
    QTest::newRow("编辑框52 marquee")
        << "单选框107" << 171 << 1
        << "<marquee direction=\"left\" align=\"bottom\" height=\"25\" width=\"100%\" "
           "onmouseout=\"this.start()\" onmouseover=\"this.stop()\" scrollamount=\"4\" "
           "scrolldelay=\"1\">这个地方是滚动内容</marquee>\r"
        << "<marquee direction=\"left\" align=\"bottom\" height=\"25\" width=\"100%\" "
           "onmouseout=\"this.start()\" onmouseover=\"this.stop()\" scrollamount=\"4\" "
           "scrolldelay=\"1\">这个地方是滚动内容</marquee>\r"
        << QStringList{};
  }
  void snippets() {
    QFETCH(QString, radio);
    QFETCH(int, length);
    QFETCH(int, lines);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QStringList, holds);
    Window t;
    t.publish("old text");
    t.click("按钮2");
    t.click(radio);
    const QString text = t.box();
    QCOMPARE(Window::clipboard(), text);
    QCOMPARE(t.status(), QStringLiteral("    复制成功"));
    QCOMPARE(text.size(), length);
    // Lines are joined by CR LF only: no lone LF, and no CR but before LF
    // (the marquee's one trailing CR aside).
    QStringList split = text.split("\r\n");
    QCOMPARE(split.size(), lines);
    QCOMPARE(text.count('\n'), lines - 1);
    QCOMPARE(text.count('\r'), lines - 1 + (text.endsWith('\r') ? 1 : 0));
    QCOMPARE(split.first(), first);
    QCOMPARE(split.last(), last);
    for (const QString& piece : holds) QVERIFY2(text.contains(piece), qPrintable(piece));
    // A second click publishes the very same text again.
    t.publish("between");
    t.click(radio);
    QCOMPARE(t.box(), text);
    QCOMPARE(Window::clipboard(), text);
  }

  void refusedClipboardKeepsTheStatus() {
    Window t;
    t.click("按钮2");
    t.clip.refuse = true;
    t.click("单选框107");
    QCOMPARE(t.box().size(), 171);
    QCOMPARE(Window::clipboard(), QStringLiteral("<before>"));
    QCOMPARE(t.status(), QStringLiteral("     内容已清空"));
  }

  void kitWrittenWholeAndFolderShown_data() { kitRows(); }
  void kitReplacesAnExistingFile_data() { kitRows(); }


  // The download folder is made, the kit written whole, the folder shown;
  // the output box, clipboard and status bar stay as they were.
  void kitWrittenWholeAndFolderShown() {
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QString, resource);
    const QByteArray kit = resourceBytes(resource);
    QVERIFY(kit.size() > 16);
    Window t;
    t.publish("old text");
    QVERIFY(!QFileInfo::exists(downloads));
    const auto seen = expectMessage([&] { t.click(button); });
    QVERIFY(!seen.shown);
    QCOMPARE(fileBytes(downloads + "/" + file), kit);
    QCOMPARE(QDir(downloads).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{file});
    QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(downloads)});
    QCOMPARE(t.box(), QStringLiteral("old text"));
    QCOMPARE(Window::clipboard(), QStringLiteral("old text"));
    QCOMPARE(t.status(), QStringLiteral("    复制成功"));
  }

  // A file of that name, longer than the kit, is replaced by exactly the kit;
  // a second click writes the same bytes and shows the folder again.
  void kitReplacesAnExistingFile() {
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QString, resource);
    const QByteArray kit = resourceBytes(resource);
    QVERIFY(QDir().mkpath(downloads));
    writeFile(downloads + "/" + file, QByteArray(kit.size() + 5000, 'x'));
    Window t;
    t.click(button);
    QCOMPARE(fileBytes(downloads + "/" + file), kit);
    t.click(button);
    QCOMPARE(fileBytes(downloads + "/" + file), kit);
    QCOMPARE(openedUrls.size(), 2);
    QCOMPARE(openedUrls.last(), QUrl::fromLocalFile(downloads));
  }

  // The name taken by a folder: nothing can be written, nothing is left
  // behind, nothing is reported, and the folder is shown all the same.
  void kitBlockedByAFolder() {
    QVERIFY(QDir().mkpath(downloads + "/banner.zip/keep"));
    Window t;
    t.publish("old text");
    const auto seen = expectMessage([&] { t.click("按钮19"); });
    QVERIFY(!seen.shown);
    QVERIFY(QFileInfo(downloads + "/banner.zip/keep").isDir());
    QCOMPARE(QDir(downloads).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"banner.zip"});
    QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(downloads)});
    QCOMPARE(t.box(), QStringLiteral("old text"));
    QCOMPARE(t.status(), QStringLiteral("    复制成功"));
  }

  // A read-only folder keeps the file it has, untouched, and gets no
  // temporary file. (The super-user writes anywhere, so not as root.)
  void kitIntoReadOnlyFolder() {
    if (geteuid() == 0) QSKIP("root can write into read-only folders");
    QVERIFY(QDir().mkpath(downloads));
    writeFile(downloads + "/1qq.zip", "the user's own file");
    QVERIFY(QFile::setPermissions(downloads, QFile::ReadOwner | QFile::ExeOwner));
    Window t;
    const auto seen = expectMessage([&] { t.click("按钮13"); });
    QVERIFY(!seen.shown);
    QCOMPARE(fileBytes(downloads + "/1qq.zip"), QByteArray("the user's own file"));
    QCOMPARE(QDir(downloads).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"1qq.zip"});
    QCOMPARE(openedUrls.size(), 1);
  }

  // The download folder cannot be made (a file stands in its way): no
  // crash, no message, the file is left alone.
  void downloadFolderCannotBeMade() {
    writeFile(downloads, "not a folder");
    Window t;
    const auto seen = expectMessage([&] { t.click("按钮18"); });
    QVERIFY(!seen.shown);
    QCOMPARE(fileBytes(downloads), QByteArray("not a folder"));
    QCOMPARE(openedUrls.size(), 1);
  }

  // The write itself: through a temporary file, replacing the target whole.
  void writeWholeReports() {
    QVERIFY(QDir().mkpath(downloads));
    QVERIFY(zt::writeWhole(downloads, "a.bin", QByteArray("\0\r\n\x1a", 4)));
    QCOMPARE(fileBytes(downloads + "/a.bin"), QByteArray("\0\r\n\x1a", 4));
    QVERIFY(!zt::writeWhole(downloads + "/missing", "a.bin", "x"));
    QVERIFY(!zt::writeWhole(QString(), "a.bin", "x"));
    QVERIFY(!QFileInfo::exists(downloads + "/missing"));
  }
};

QTEST_MAIN(TestEffects)
#include "tst_effects.moc"
