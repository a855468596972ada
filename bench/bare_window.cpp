// The floor for start-up and memory: an empty main window with a tab
// control, nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare benchmark window"));
  window.setCentralWidget(new QTabWidget);
  window.resize(506, 618);
  window.show();
  return app.exec();
}
