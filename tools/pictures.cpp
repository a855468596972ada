// Renders the main window on each of its tab pages to PNG files, through the
// offscreen platform, so the window can be looked at without a display.
// Usage: zorvan-pictures [folder]   (default: "pictures" beside the program)
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

#include "app/mainwindow.h"
#include "appearance/windows.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zt::setupApplication();
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QCoreApplication::applicationDirPath() + "/pictures";
  QDir().mkpath(folder);

  zt::MainWindow window;
  window.show();
  auto* tabs = window.findChild<QTabWidget*>("选择夹1");
  int failures = 0;
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    QApplication::processEvents();
    const QString file = QString("%1/page%2.png").arg(folder).arg(i);
    if (window.grab().save(file)) std::printf("%s\n", qPrintable(file));
    else ++failures;
  }
  // The two small windows, shown without their modal loop.
  const std::pair<QDialog*, const char*> small[] = {
      {new zt::PathExampleWindow(&window), "path-example"}, {new zt::AboutWindow(&window), "about"}};
  for (auto [dialog, name] : small) {
    dialog->show();
    QApplication::processEvents();
    const QString file = QString("%1/%2.png").arg(folder, name);
    if (dialog->grab().save(file)) std::printf("%s\n", qPrintable(file));
    else ++failures;
    delete dialog;
  }
  return failures ? 1 : 0;
}
