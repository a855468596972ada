#include "app/outputbox.h"

#include <QTextBlock>
#include <QTextBlockUserData>
#include <QTextCursor>
#include <QTextDocument>

namespace zt {
namespace {

const QString kTypedBreak = QStringLiteral("\r\n");

struct BreakBefore final : QTextBlockUserData {
  explicit BreakBefore(QString b) : text(std::move(b)) {}
  QString text;
};

}  // namespace

SplitText splitLines(const QString& text) {
  SplitText out;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (c != u'\r' && c != u'\n') continue;
    qsizetype len = 1;
    if (c == u'\r') {
      if (i + 1 < n && text.at(i + 1) == u'\n') len = 2;
      else if (i + 2 < n && text.at(i + 1) == u'\r' && text.at(i + 2) == u'\n') len = 3;
    }
    out.lines << text.mid(start, i - start);
    out.breaks << text.mid(i, len);
    i += len - 1;
    start = i + 1;
  }
  out.lines << text.mid(start);
  return out;
}

OutputBox::OutputBox(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(false);
}

void OutputBox::setExactText(const QString& text) {
  const SplitText parts = splitLines(text);
  // Paragraph and line separators inside a line would become breaks of
  // their own in the document; they never occur in what the program writes.
  setPlainText(parts.lines.join(u'\n'));
  QTextBlock block = document()->firstBlock();
  for (const QString& brk : parts.breaks) {
    block = block.next();
    if (!block.isValid()) break;
    block.setUserData(new BreakBefore(brk));
  }
  moveCursor(QTextCursor::Start);
}

QString OutputBox::exactText() const {
  QString out;
  for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next()) {
    if (b != document()->firstBlock()) {
      auto* data = static_cast<BreakBefore*>(b.userData());
      out += data ? data->text : kTypedBreak;
    }
    out += b.text();
  }
  return out;
}

}  // namespace zt
