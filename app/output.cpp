#include "app/output.h"

#include <QLabel>
#include <QMessageBox>

#include "app/clipboard.h"
#include "app/outputbox.h"

namespace zt {

const QString Output::kCopied = QStringLiteral("    复制成功");

Output::Output(OutputBox* box, QLabel* status, Clipboard* clipboard)
    : box_(box), status_(status), clipboard_(clipboard) {}

void Output::write(const QString& text) { box_->setExactText(text); }

bool Output::copyOut() { return clipboard_->put(box_->exactText()); }

void Output::publish(const QString& text) {
  write(text);
  if (copyOut()) setStatus(kCopied);
}

void Output::quietPublish(const QString& text) {
  write(text);
  copyOut();
}

void Output::setStatus(const QString& text) { status_->setText(text); }

void Output::warn(QWidget* field, const QString& text) {
  if (field) field->setFocus(Qt::OtherFocusReason);
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), text,
                  QMessageBox::Ok, box_->window());
  box.setObjectName(QStringLiteral("信息框"));
  box.exec();
}

QString Output::boxText() const { return box_->exactText(); }

QString Output::status() const { return status_->text(); }

}  // namespace zt
