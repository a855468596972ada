#include "appearance/windows.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace zt {
namespace {

constexpr Qt::WindowFlags kFixedDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

}  // namespace

const QString AboutWindow::kSiteAddress = QStringLiteral("http://www.zorvan.example/");

PathExampleWindow::PathExampleWindow(QWidget* parent) : QDialog(parent, kFixedDialog) {
  setObjectName(QStringLiteral("路径例子"));
  setWindowTitle(QStringLiteral("CSS、JS、图片路径"));
  QIcon icon;
  for (int size : {128, 96, 64, 48, 32})
    icon.addFile(QStringLiteral(":/assets/help/example-%1.png").arg(size), QSize(size, size));
  setWindowIcon(icon);
  setFixedSize(447, 124);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("图片框1"));
  picture->setGeometry(0, 0, 464, 120);
  picture->setFrameShape(QFrame::NoFrame);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(QPixmap(QStringLiteral(":/assets/help/path-example.jpg")));
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent, kFixedDialog) {
  setObjectName(QStringLiteral("版权所有窗口"));
  setWindowTitle(QStringLiteral("版权所有"));
  setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
  setFixedSize(284, 220);

  auto* site = new QLabel(QStringLiteral("官方网站：") + kSiteAddress, this);
  site->setObjectName(QStringLiteral("标签2"));
  site->setTextFormat(Qt::PlainText);
  site->setGeometry(26, 64, 230, 24);

  auto* enter = new QPushButton(QStringLiteral("进入官网"), this);
  enter->setObjectName(QStringLiteral("按钮1"));
  enter->setGeometry(88, 120, 96, 32);
  enter->setAutoDefault(false);
  connect(enter, &QPushButton::clicked, this, [this] {
    close();  // closes even when no browser can be started
    QDesktopServices::openUrl(QUrl(kSiteAddress));
  });
}

void showModal(QDialog* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setModal(true);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    window->move(screen->availableGeometry().center() - window->rect().center());
  window->exec();
}

}  // namespace zt
