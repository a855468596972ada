#include "app/outputbox.h"

#include <QTextBlock>
#include <QTextBlockUserData>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

namespace zt {
namespace {

const QString kTypedBreak = QStringLiteral("\r\n");

struct BreakBefore final : QTextBlockUserData {
  explicit BreakBefore(QString b) : text(std::move(b)) {}
  QString text;
};

// Calls onBreak(position, length) for each line break of text, in order;
// CR CR LF counts as one break.
template <class F>
void scanBreaks(const QString& text, F&& onBreak) {
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (c != u'\r' && c != u'\n') continue;
    qsizetype len = 1;
    if (c == u'\r') {
      if (i + 1 < n && text.at(i + 1) == u'\n') len = 2;
      else if (i + 2 < n && text.at(i + 1) == u'\r' && text.at(i + 2) == u'\n') len = 3;
    }
    onBreak(i, len);
    i += len - 1;
  }
}

}  // namespace

SplitText splitLines(const QString& text) {
  SplitText out;
  qsizetype start = 0;
  scanBreaks(text, [&](qsizetype at, qsizetype len) {
    out.lines << text.mid(start, at - start);
    out.breaks << text.mid(at, len);
    start = at + len;
  });
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
  // One pass: every break becomes the document's paragraph break, and the
  // breaks other than CR LF (the default) are remembered by line number.
  QString plain;
  plain.reserve(text.size());
  std::vector<std::pair<int, QString>> odd;
  int line = 0;
  qsizetype start = 0;
  scanBreaks(text, [&](qsizetype at, qsizetype len) {
    plain += QStringView(text).sliced(start, at - start);
    plain += u'\n';
    ++line;
    if (len != 2) odd.emplace_back(line, text.mid(at, len));  // not CR LF
    start = at + len;
  });
  plain += QStringView(text).sliced(start);
  // Paragraph and line separators inside a line would become breaks of
  // their own in the document; they never occur in what the program writes.
  setPlainText(plain);
  for (auto& [number, brk] : odd) {
    QTextBlock block = document()->findBlockByNumber(number);
    if (block.isValid()) block.setUserData(new BreakBefore(std::move(brk)));
  }
}

QString OutputBox::exactText() const {
  QString out;
  out.reserve(document()->characterCount() * 2);
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
