#pragma once
#include <QString>

namespace zt {

// The system clipboard as the program sees it: put() tells whether the text
// really arrived there.
struct Clipboard {
  virtual bool put(const QString& text) = 0;
  virtual ~Clipboard() = default;
};

// Sets the text on QGuiApplication's clipboard and reads it back, since
// QClipboard itself never reports a refusal.
struct SystemClipboard final : Clipboard {
  bool put(const QString& text) override;
};

}  // namespace zt
