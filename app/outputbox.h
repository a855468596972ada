#pragma once
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

namespace zt {

// Splits a text at its line breaks. lines has one entry more than breaks;
// each break is "\r\r\n", "\r\n", "\r" or "\n", exactly as found.
struct SplitText {
  QStringList lines;
  QStringList breaks;
};
SplitText splitLines(const QString& text);

// The output box. A QPlainTextEdit keeps paragraphs, not break characters,
// so each paragraph remembers the break that stands before it; a paragraph
// without one (typed or pasted by the user) counts as preceded by CR LF.
// exactText() gives back exactly what setExactText() wrote, plus the user's
// edits.
class OutputBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit OutputBox(QWidget* parent = nullptr);
  void setExactText(const QString& text);
  QString exactText() const;
};

}  // namespace zt
