#include "app/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zt {

bool SystemClipboard::put(const QString& text) {
  QClipboard* cb = QGuiApplication::clipboard();
  if (!cb) return false;
  cb->setText(text, QClipboard::Clipboard);
  return cb->text(QClipboard::Clipboard) == text;
}

}  // namespace zt
