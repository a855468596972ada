// The main window under test: built on the offscreen platform with a
// clipboard that can be told to refuse, controls found by objectName,
// clicked and typed into with QTest.
#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/clipboard.h"
#include "app/mainwindow.h"
#include "app/output.h"
#include "app/outputbox.h"

// Types text key by key; unlike QTest::keyClicks it also types characters
// that have no key of their own (Chinese, full-width punctuation).
inline void typeText(QWidget* w, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80) QTest::keyClick(w, c.toLatin1());
    else QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Passes texts on to the system clipboard unless told to refuse.
struct FakeClipboard final : zt::Clipboard {
  bool refuse = false;
  int puts = 0;
  bool put(const QString& text) override {
    ++puts;
    return !refuse && system.put(text);
  }
  zt::SystemClipboard system;
};

struct Window {
  FakeClipboard clip;
  zt::MainWindow w{&clip};

  Window() {
    QGuiApplication::clipboard()->setText(QStringLiteral("<before>"));
    w.show();
    w.buildAllPages();
    QApplication::setActiveWindow(&w);
  }

  template <class T = QWidget>
  T* find(const QString& name) const {
    const auto all = w.findChildren<T*>(name);
    if (all.size() != 1)
      qFatal("%lld controls named %s", qlonglong(all.size()), qPrintable(name));
    return all.first();
  }

  // Brings every tab page that holds the control to the front.
  void reveal(QWidget* target) const {
    for (QWidget* w = target; w; w = w->parentWidget()) {
      if (auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr)) {
        const int i = tabs->indexOf(w);
        if (i >= 0) tabs->setCurrentIndex(i);
      }
    }
  }

  void click(const QString& name) const {
    auto* b = find<QAbstractButton>(name);
    reveal(b);
    // Radio buttons and check boxes react on their indicator; push buttons anywhere.
    const QPoint at = qobject_cast<QPushButton*>(b) ? b->rect().center() : QPoint(6, b->height() / 2);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, at);
  }

  void type(const QString& name, const QString& text) const {
    QWidget* e = find(name);
    reveal(e);
    e->setFocus();
    typeText(e, text);
  }

  void setText(const QString& name, const QString& text) const { find<QLineEdit>(name)->setText(text); }
  void choose(const QString& name, int index) const { find<QComboBox>(name)->setCurrentIndex(index); }
  void tick(const QString& name, bool on) const { find<QAbstractButton>(name)->setChecked(on); }

  QString box() const { return find<zt::OutputBox>(QStringLiteral("编辑框1"))->exactText(); }
  QString status() const { return find<QLabel>(QStringLiteral("状态条1_1"))->text(); }
  static QString clipboard() { return QGuiApplication::clipboard()->text(); }
  void publish(const QString& text) { w.output().publish(text); }
};

// Stands in for the browser and the file manager: give it to
// QDesktopServices::setUrlHandler and it keeps the addresses it was asked
// to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

// Runs action, which is expected to open a modal message box; records the
// box's title, text and icon and closes it with OK.
struct SeenMessage {
  bool shown = false;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QWidget* focus = nullptr;  // the main window's focus widget while the box was up
};

inline SeenMessage expectMessage(const std::function<void()>& action) {
  SeenMessage seen;
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen.shown = true;
      seen.title = box->windowTitle();
      seen.text = box->text();
      seen.icon = box->icon();
      seen.focus = box->parentWidget() ? box->parentWidget()->window()->focusWidget() : nullptr;
      box->button(QMessageBox::Ok)->click();
    }
  });
  timer->start();
  action();
  delete timer;
  return seen;
}
