#include "app/mainwindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include "app/clipboard.h"
#include "app/output.h"
#include "app/outputbox.h"
#include "app/pages.h"
#include "appearance/skin.h"
#include "appearance/windows.h"

namespace zt {

const QString MainWindow::kChatAddress =
    QStringLiteral("http://wpa.qq.com/msgrd?v=3&uin=555000123&site=qq&menu=yes");

void setupApplication() {
  QFont font;
  font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Droid Sans Fallback"),
                    QStringLiteral("sans-serif")});
  font.setPixelSize(12);
  QApplication::setFont(font);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
  applySkin(kStartTheme);
}

MainWindow::MainWindow(Clipboard* clipboard, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      clipboard_(clipboard) {
  if (!clipboard_) {
    ownClipboard_ = std::make_unique<SystemClipboard>();
    clipboard_ = ownClipboard_.get();
  }
  setObjectName(QStringLiteral("主窗口"));
  setWindowTitle(QStringLiteral("Zorvan标签生成器"));
  setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
  buildFrame();
  buildMenus();

  // Esc closes the window from whichever control has the focus.
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  esc->setContext(Qt::WindowShortcut);
  connect(esc, &QShortcut::activated, this, &QWidget::close);

  resize(506, 618);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildFrame() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("clientArea"));
  central->setAutoFillBackground(true);
  QPalette pal = central->palette();
  pal.setBrush(QPalette::Window, QBrush(QPixmap(QStringLiteral(":/assets/background.jpg"))));
  central->setPalette(pal);
  setCentralWidget(central);

  auto* frame = new QGroupBox(QStringLiteral("Zorvan标签生成器"), central);
  frame->setObjectName(QStringLiteral("分组框1"));
  frame->setGeometry(0, 1, 504, 567);
  controls_.insert(frame->objectName(), frame);

  auto* caption = new QLabel(QStringLiteral("输出标签："), frame);
  caption->setObjectName(QStringLiteral("标签1"));
  caption->setGeometry(6, 31, 56, 24);

  box_ = new OutputBox(frame);
  box_->setObjectName(QStringLiteral("编辑框1"));
  box_->setGeometry(73, 16, 335, 48);

  auto* copy = new QPushButton(QStringLiteral("复制标签"), frame);
  copy->setObjectName(QStringLiteral("按钮1"));
  copy->setGeometry(423, 17, 64, 20);
  copy->setAutoDefault(false);

  auto* clear = new QPushButton(QStringLiteral("清空内容"), frame);
  clear->setObjectName(QStringLiteral("按钮2"));
  clear->setGeometry(423, 41, 64, 20);
  clear->setAutoDefault(false);

  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("状态条1"));
  bar->setSizeGripEnabled(false);
  // The two parts stand side by side at fixed widths on a strip of their
  // own, so the bar sets no minimum width on the window.
  auto* parts = new QWidget(bar);
  parts->setMinimumWidth(0);
  auto* hint = new QLabel(QStringLiteral(" 温馨提示"), parts);
  hint->setObjectName(QStringLiteral("状态条1_0"));
  hint->setGeometry(0, 0, 60, 20);
  status_ = new QLabel(parts);
  status_->setObjectName(QStringLiteral("状态条1_1"));
  status_->setGeometry(60, 0, 440, 20);
  for (QLabel* l : {hint, status_}) l->setTextFormat(Qt::PlainText);
  parts->setFixedHeight(20);
  bar->addWidget(parts, 1);
  setStatusBar(bar);

  out_ = std::make_unique<Output>(box_, status_, clipboard_);
  for (QWidget* w : std::initializer_list<QWidget*>{caption, box_, copy, clear, bar})
    controls_.insert(w->objectName(), w);

  connect(copy, &QPushButton::clicked, this, [this] {
    if (out_->copyOut()) out_->setStatus(QStringLiteral("     复制成功！"));
  });
  connect(clear, &QPushButton::clicked, this, [this] {
    out_->write(QString());
    out_->setStatus(QStringLiteral("     内容已清空"));
  });

  tabs_ = new QTabWidget(frame);
  tabs_->setObjectName(QStringLiteral("选择夹1"));
  tabs_->setGeometry(3, 68, 493, 499);
  controls_.insert(tabs_->objectName(), tabs_);
  for (PageSpec (*table)() : {homePage, systemPage, otherPage, listPage, contentPage, effectsPage, helpPage}) {
    PageSpec page = table();
    addTabPage(tabs_, page.caption);
    pending_.push_back(std::move(page));
  }
  tabs_->setCurrentIndex(0);
  buildPage(0);
  connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::buildPage);
}

void MainWindow::buildPage(int index) {
  if (index < 0 || index >= int(pending_.size()) || !pending_[index]) return;
  const PageSpec page = std::move(*pending_[index]);
  pending_[index].reset();
  fillTabPage(tabs_->widget(index), page.rows, controls_, *out_);
}

void MainWindow::buildAllPages() {
  for (int i = 0; i < int(pending_.size()); ++i) buildPage(i);
}

bool MainWindow::event(QEvent* event) {
  // The hidden pages are built right after the first frame is drawn, so
  // the window shows at once and every control exists before the user can
  // reach it.
  if (event->type() == QEvent::UpdateRequest && !idleBuildQueued_) {
    idleBuildQueued_ = true;
    QTimer::singleShot(0, this, &MainWindow::buildAllPages);
  }
  return QMainWindow::event(event);
}

void MainWindow::buildMenus() {
  QMenu* program = menuBar()->addMenu(QStringLiteral("程序"));
  program->setObjectName(QStringLiteral("菜单_程序"));
  QAction* close = program->addAction(QStringLiteral("关闭"));
  close->setObjectName(QStringLiteral("关闭"));
  connect(close, &QAction::triggered, this, &QWidget::close, Qt::QueuedConnection);

  QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
  help->setObjectName(QStringLiteral("菜单_帮助"));
  QAction* chat = help->addAction(QStringLiteral("联系作者"));
  chat->setObjectName(QStringLiteral("联系作者"));
  connect(chat, &QAction::triggered, this, [] { QDesktopServices::openUrl(QUrl(kChatAddress)); });
  QAction* about = help->addAction(QStringLiteral("版权所有"));
  about->setObjectName(QStringLiteral("版权所有"));
  connect(about, &QAction::triggered, this, [this] { showModal(new AboutWindow(this)); });
}

}  // namespace zt
