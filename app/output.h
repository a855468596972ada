#pragma once
#include <QString>

class QLabel;
class QWidget;

namespace zt {

class OutputBox;
struct Clipboard;

// The only way anything reaches the output box, the clipboard or the status
// bar. Every generator ends with exactly one of these operations.
class Output {
 public:
  Output(OutputBox* box, QLabel* status, Clipboard* clipboard);

  static const QString kCopied;  // "    复制成功"

  // Replaces the whole text of the output box.
  void write(const QString& text);
  // Reads the box back and puts that text on the clipboard.
  bool copyOut();
  // write + copyOut, then "    复制成功" if the clipboard took the text.
  void publish(const QString& text);
  // write + copyOut; the status bar stays as it was.
  void quietPublish(const QString& text);
  void setStatus(const QString& text);
  // Moves the focus to field, then shows a modal message box "信息：".
  void warn(QWidget* field, const QString& text);

  QString boxText() const;
  QString status() const;

 private:
  OutputBox* box_;
  QLabel* status_;
  Clipboard* clipboard_;
};

}  // namespace zt
