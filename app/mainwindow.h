#pragma once
#include <QHash>
#include <QMainWindow>
#include <memory>
#include <optional>
#include <vector>

#include "app/page.h"

class QLabel;
class QTabWidget;

namespace zt {

struct Clipboard;
class Output;
class OutputBox;

// The main window: the output frame, the menus and the seven tab pages.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // clipboard: where publish puts its texts; the system clipboard when null.
  explicit MainWindow(Clipboard* clipboard = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  Output& output() { return *out_; }
  // Builds the controls of the pages not built yet. Page 0 is built with the
  // window; the others when first shown or once the window has painted.
  void buildAllPages();
  QWidget* control(const QString& name) const { return controls_.value(name); }

  static const QString kChatAddress;

 private:
  void buildFrame();
  void buildMenus();
  void buildPage(int index);
  bool event(QEvent* event) override;

  std::unique_ptr<Clipboard> ownClipboard_;
  Clipboard* clipboard_;
  OutputBox* box_ = nullptr;
  QLabel* status_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::unique_ptr<Output> out_;
  QHash<QString, QWidget*> controls_;
  // Tables of the pages still to build, by tab index. A handler reads only
  // controls of its own page (and the frame), which is built by the time
  // the user can click it.
  std::vector<std::optional<PageSpec>> pending_;
  bool idleBuildQueued_ = false;
};

// Application-wide settings shared by the program, the tests and the
// pictures tool: the 12 px CJK font the window was laid out for.
void setupApplication();

}  // namespace zt
