// The page builder and the input pieces it hands out: integer and
// lower-case input, the English-only hint, captions, and click handlers.
#include <QRadioButton>

#include "app/inputs.h"
#include "app/page.h"
#include "fixture.h"

// A bare page built from rows, with its own output box and status label.
struct Built {
  zt::OutputBox box;
  QLabel status;
  FakeClipboard clip;
  zt::Output out{&box, &status, &clip};
  QHash<QString, QWidget*> controls;
  QWidget host;
  explicit Built(const std::vector<zt::Row>& rows) {
    zt::buildRows(&host, rows, controls, out);
    host.show();
    QApplication::setActiveWindow(&host);
  }
  template <class T = QWidget>
  T* get(const QString& name) { return qobject_cast<T*>(controls.value(name)); }
};

class TestBuilder : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  void integerInput_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digits") << "0123456789" << "0123456789";
    QTest::newRow("minus") << "-12" << "-12";
    QTest::newRow("letters and blanks dropped") << "1a b2.c" << "12";
    QTest::newRow("chinese dropped") << "条3数" << "3";
  }
  void integerInput() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Built b({zt::edit("n", {0, 0, 40, 20}, zt::kInteger)});
    auto* e = b.get<QLineEdit>("n");
    e->setFocus();
    typeText(e, typed);
    QCOMPARE(e->text(), kept);
  }

  void integerInputLetsControlKeysAndPasteThrough() {
    Built b({zt::edit("n", {0, 0, 40, 20}, zt::kInteger)});
    auto* e = b.get<QLineEdit>("n");
    QTest::keyClicks(e, "123");
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClick(e, Qt::Key_Home);
    QTest::keyClick(e, Qt::Key_Delete);
    QCOMPARE(e->text(), QStringLiteral("2"));
    QGuiApplication::clipboard()->setText("ab 7");
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e->text(), QStringLiteral("ab 72"));
  }

  void lowerCaseInput() {
    Built b({zt::edit("id", {0, 0, 40, 20}, zt::kLower)});
    auto* e = b.get<QLineEdit>("id");
    QTest::keyClicks(e, "NavItem");
    QCOMPARE(e->text(), QStringLiteral("navitem"));
    QGuiApplication::clipboard()->setText("ABC");
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e->text(), QStringLiteral("navitemabc"));
  }

  void englishHintOnLeftPressOnly() {
    Built b({zt::edit("id", {0, 0, 40, 20}, zt::kEnglish), zt::edit("other", {0, 30, 40, 20})});
    auto* e = b.get<QLineEdit>("id");
    QTest::mouseClick(e, Qt::RightButton);
    QCOMPARE(b.status.text(), QString());
    QTest::mouseClick(b.get("other"), Qt::LeftButton);
    QCOMPARE(b.status.text(), QString());
    QTest::mouseClick(e, Qt::LeftButton);
    QCOMPARE(b.status.text(), QStringLiteral("          本框中只能输入英文"));
    // The press still reaches the box, which takes any text.
    QCOMPARE(QApplication::focusWidget(), e);
    typeText(e, "12中文");
    QCOMPARE(e->text(), QStringLiteral("12中文"));
  }

  void noLengthLimit() {
    Built b({zt::edit("long", {0, 0, 40, 20})});
    const QString big(40000, u'x');
    b.get<QLineEdit>("long")->setText(big);
    QCOMPARE(b.get<QLineEdit>("long")->text().size(), big.size());
  }

  void controlsAndInitialState() {
    Built b({
        zt::group("g", "组", {1, 2, 300, 200}, {
            zt::check("c1", "隐藏", {5, 5, 50, 24}),
            zt::check("c2", "简介", {5, 30, 50, 24}, true),
            zt::combo("l", {5, 60, 80, 20}, {"默认", "ID倒序", "时间倒序"}, 2),
            zt::edit("hidden", {5, 90, 20, 20}, zt::kHidden, "stored"),
            zt::radio("r", "分页CSS\r\n", {5, 120, 80, 24}, zt::fixed("x")),
        }),
    });
    QCOMPARE(b.get("g")->geometry(), QRect(1, 2, 300, 200));
    QCOMPARE(b.get("c1")->parentWidget(), b.get("g"));
    QVERIFY(!b.get<QAbstractButton>("c1")->isChecked());
    QVERIFY(b.get<QAbstractButton>("c2")->isChecked());
    QCOMPARE(b.get<QComboBox>("l")->currentIndex(), 2);
    QVERIFY(!b.get<QComboBox>("l")->isEditable());
    QVERIFY(!b.get("hidden")->isVisible());
    // A caption ending in a line break keeps it, but is drawn on one line.
    QCOMPARE(b.get("r")->property("caption").toString(), QStringLiteral("分页CSS\r\n"));
    QCOMPARE(b.get<QAbstractButton>("r")->text(), QStringLiteral("分页CSS"));
  }

  void publishingKinds() {
    Built b({
        zt::edit("var", {0, 0, 40, 20}),
        zt::radio("f", "标题", {0, 30, 60, 24}, zt::field("var", "['title']}")),
        zt::radio("s", "块", {0, 60, 60, 24}, zt::stored("store", "a\r\nb")),
    });
    auto* f = b.get<QAbstractButton>("f");
    QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(6, 12));
    QCOMPARE(b.box.exactText(), QStringLiteral("{$v['title']}"));
    b.get<QLineEdit>("var")->setText(" my ");
    QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(6, 12));  // already selected
    QCOMPARE(b.box.exactText(), QStringLiteral("{$ my ['title']}"));
    QCOMPARE(b.clip.puts, 2);
    QTest::mouseClick(b.get<QAbstractButton>("s"), Qt::LeftButton, {}, QPoint(6, 12));
    QCOMPARE(b.box.exactText(), QStringLiteral("a\r\nb"));
    QCOMPARE(b.status.text(), QStringLiteral("    复制成功"));
  }
};

QTEST_MAIN(TestBuilder)
#include "tst_builder.moc"
