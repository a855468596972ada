// The skin, page "使用说明" and the two small windows.
#include <QDesktopServices>
#include <QGroupBox>

#include "appearance/skin.h"
#include "appearance/windows.h"
#include "fixture.h"

// Runs action, which opens a modal window; hands that window to inspect,
// then presses Esc in it.
static bool withModal(const std::function<void()>& action, const std::function<void(QDialog*)>& inspect) {
  bool seen = false;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || seen) return;
    seen = true;
    inspect(dialog);
    if (QApplication::activeModalWidget() == dialog) QTest::keyClick(dialog, Qt::Key_Escape);
  });
  timer.start();
  action();
  return seen;
}

class TestAppearance : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  void themeLookup_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("exists");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("10") << 10 << true;
    QTest::newRow("87") << 87 << true;
    QTest::newRow("88") << 88 << false;
    QTest::newRow("-10") << -10 << false;
  }
  void themeLookup() {
    QFETCH(int, number);
    QFETCH(bool, exists);
    const auto sheet = zt::theme(number);
    QCOMPARE(sheet.has_value(), exists);
    if (exists) {
      QVERIFY(sheet->contains("QTabBar::tab"));
      QVERIFY(!sheet->contains('@'));  // every palette name was filled in
    }
  }

  void themesDiffer() {
    QSet<QString> sheets;
    for (int n = 1; n <= zt::kThemeCount; ++n) sheets.insert(*zt::theme(n));
    QCOMPARE(sheets.size(), zt::kThemeCount);
  }

  void themeTenAppliedAtStart() {
    QCOMPARE(qApp->styleSheet(), *zt::theme(10));
    QVERIFY(!zt::applySkin(88));
    QCOMPARE(qApp->styleSheet(), *zt::theme(10));
  }

  void skinKeepsPlaces() {
    Window t;
    t.reveal(t.find("按钮4"));
    QCOMPARE(t.find("按钮4")->geometry(), QRect(434, 12, 40, 24));
    QCOMPARE(t.find("编辑框1")->geometry(), QRect(73, 16, 335, 48));
  }

  void helpPage() {
    Window t;
    QCOMPARE(t.find<QGroupBox>("分组框6")->title(), QStringLiteral("Tindal说明"));
    QCOMPARE(t.find<QLabel>("标签10")->text(),
             QStringLiteral("样式存放位置：如果你在template中新建的了文件夹用来存放自己做的模板"));
    QCOMPARE(t.find<QLabel>("标签11")->text(),
             QStringLiteral("那么样式就应该放在skin文件夹下同模板文件夹一样名称的文件夹"));
  }

  void exampleWindowTwice() {
    Window t;
    for (int round = 0; round < 2; ++round) {
      QImage shown;
      const bool opened = withModal([&] { t.click("按钮4"); }, [&](QDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("CSS、JS、图片路径"));
        QCOMPARE(d->size(), QSize(447, 124));
        QCOMPARE(d->minimumSize(), d->maximumSize());
        QVERIFY(d->isModal());
        QVERIFY(!(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d->windowIcon().availableSizes().size(), 5);
        auto* picture = d->findChild<QLabel*>("图片框1");
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), QRect(0, 0, 464, 120));
        QCOMPARE(picture->pixmap().size(), QSize(460, 94));
        QCOMPARE(picture->frameShape(), QFrame::NoFrame);
      });
      QVERIFY(opened);
      QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
      QVERIFY(t.w.isVisible());  // Esc closed only the small window
    }
    QCOMPARE(t.w.findChildren<QDialog*>().size(), 0);
  }

  void aboutWindowOpensTheSite() {
    Window t;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    const bool opened = withModal([&] { t.w.findChild<QAction*>("版权所有")->trigger(); }, [&](QDialog* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("版权所有"));
      QCOMPARE(d->size(), QSize(284, 220));
      QCOMPARE(d->minimumSize(), d->maximumSize());
      QCOMPARE(d->findChild<QLabel*>("标签2")->text(), QStringLiteral("官方网站：http://www.zorvan.example/"));
      auto* enter = d->findChild<QPushButton*>("按钮1");
      QCOMPARE(enter->text(), QStringLiteral("进入官网"));
      QCOMPARE(enter->geometry(), QRect(88, 120, 96, 32));
      enter->click();
    });
    QDesktopServices::unsetUrlHandler("http");
    QVERIFY(opened);
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl("http://www.zorvan.example/")});
    QVERIFY(t.w.isVisible());
    QCOMPARE(t.box(), QString());
    QCOMPARE(t.status(), QString());
  }

  void escapeInAboutLeavesTheMainWindow() {
    Window t;
    QVERIFY(withModal([&] { t.w.findChild<QAction*>("版权所有")->trigger(); }, [](QDialog*) {}));
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(t.w.isVisible());
  }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
