#include <QApplication>

#include "app/mainwindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zt::setupApplication();
  zt::MainWindow window;
  window.show();
  return app.exec();
}
