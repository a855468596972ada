#pragma once
#include <QDialog>

namespace zt {

// "CSS、JS、图片路径": a picture of where a template's styles belong.
class PathExampleWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PathExampleWindow(QWidget* parent);
};

// "版权所有": the maker's site, with a button that opens it.
class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent);
  static const QString kSiteAddress;
};

// Shows a freshly made window modally, centred on the screen; it is
// destroyed once closed.
void showModal(QDialog* window);

}  // namespace zt
