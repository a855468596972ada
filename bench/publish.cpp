// Times every publish of the real main window: each radio button and each
// "生成" button is clicked, which composes or fetches its text, writes the
// output box, reads it back and sets the clipboard. Beside each, the floor:
// QPlainTextEdit::setPlainText plus QClipboard::setText of the same text.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/mainwindow.h"
#include "app/output.h"

namespace {

constexpr int kRuns = 41;

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <class F>
double timeMedianMs(F&& f) {
  std::vector<double> t;
  for (int i = 0; i < kRuns; ++i) {
    QElapsedTimer timer;
    timer.start();
    f();
    t.push_back(timer.nsecsElapsed() / 1e6);
  }
  return median(t);
}

// Closes any message box at once; a button that shows one is left out.
struct BoxCloser : QObject {
  bool seen = false;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show)
      if (auto* box = qobject_cast<QMessageBox*>(o)) {
        seen = true;
        QTimer::singleShot(0, box, &QDialog::reject);
      }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zt::setupApplication();
  zt::MainWindow window;
  window.show();
  window.buildAllPages();
  QApplication::processEvents();
  BoxCloser closer;
  app.installEventFilter(&closer);

  QPlainTextEdit floorBox;
  floorBox.resize(335, 48);
  floorBox.show();

  struct Result { QString name; qsizetype chars; double ms, floorMs; };
  std::vector<Result> results;
  QList<QAbstractButton*> buttons;
  for (auto* r : window.findChildren<QRadioButton*>()) buttons << r;
  for (auto* b : window.findChildren<QPushButton*>())
    if (b->text() == QStringLiteral("生成")) buttons << b;

  for (QAbstractButton* b : buttons) {
    closer.seen = false;
    b->click();
    if (closer.seen) continue;
    const QString text = window.output().boxText();
    const double ms = timeMedianMs([&] { b->click(); });
    const double floorMs = timeMedianMs([&] {
      floorBox.setPlainText(text);
      QGuiApplication::clipboard()->setText(text);
    });
    results.push_back({b->objectName(), text.size(), ms, floorMs});
  }
  std::sort(results.begin(), results.end(), [](auto& a, auto& b) { return a.chars > b.chars; });

  std::printf("publish, median of %d clicks (ms), longest texts first\n", kRuns);
  std::printf("  %-10s %8s %9s %9s %7s\n", "control", "chars", "publish", "floor", "ratio");
  const size_t shown = std::min<size_t>(results.size(), argc > 1 ? atoi(argv[1]) : 12);
  for (size_t i = 0; i < shown; ++i) {
    const Result& r = results[i];
    std::printf("  %-10s %8lld %9.3f %9.3f %7.2f\n", qPrintable(r.name), qlonglong(r.chars), r.ms,
                r.floorMs, r.ms / r.floorMs);
  }
  if (results.empty()) return 1;
  const Result& top = results.front();
  std::printf("PUBLISH longest=%lld chars median=%.3f ms floor=%.3f ms ratio=%.2f buttons=%zu\n",
              qlonglong(top.chars), top.ms, top.floorMs, top.ms / top.floorMs, results.size());
  return 0;
}
