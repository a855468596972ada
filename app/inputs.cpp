#include "app/inputs.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

#include "app/output.h"

namespace zt {

const QString kEnglishHint = QStringLiteral("          本框中只能输入英文");

namespace {

bool isIntegerChar(QChar c) { return (c >= u'0' && c <= u'9') || c == u'-'; }

class IntegerFilter final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* obj, QEvent* ev) override {
    if (ev->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(ev);
      // Shortcuts (Ctrl+V and the like) and keys without a printable
      // character are left alone.
      if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
      const QString t = key->text();
      if (t.isEmpty() || !t.at(0).isPrint()) return false;
      for (QChar c : t)
        if (!isIntegerChar(c)) return true;
    } else if (ev->type() == QEvent::InputMethod) {
      auto* im = static_cast<QInputMethodEvent*>(ev);
      QString kept;
      for (QChar c : im->commitString())
        if (isIntegerChar(c)) kept += c;
      if (kept != im->commitString()) {
        QInputMethodEvent filtered(im->preeditString(), im->attributes());
        filtered.setCommitString(kept, im->replacementStart(), im->replacementLength());
        QCoreApplication::sendEvent(obj, &filtered);
        return true;
      }
    }
    return false;
  }
};

class LowerCaseValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toLower();
    return Acceptable;
  }
};

class EnglishHintFilter final : public QObject {
 public:
  EnglishHintFilter(QObject* parent, Output* out) : QObject(parent), out_(out) {}
  bool eventFilter(QObject*, QEvent* ev) override {
    if (ev->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(ev)->button() == Qt::LeftButton)
      out_->setStatus(kEnglishHint);
    return false;
  }

 private:
  Output* out_;
};

}  // namespace

void makeIntegerInput(QLineEdit* edit) { edit->installEventFilter(new IntegerFilter(edit)); }

void makeLowerCaseInput(QLineEdit* edit) { edit->setValidator(new LowerCaseValidator(edit)); }

void makeEnglishHint(QLineEdit* edit, Output* out) {
  edit->installEventFilter(new EnglishHintFilter(edit, out));
}

}  // namespace zt
