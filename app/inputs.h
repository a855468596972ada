#pragma once
#include <QObject>

class QLineEdit;

namespace zt {

class Output;

// Input behaviours an edit box can be given.
// Integer input: typed characters other than 0-9 and '-' are dropped;
// control keys and pasted text pass.
void makeIntegerInput(QLineEdit* edit);
// Letters become lower case as they are typed or pasted.
void makeLowerCaseInput(QLineEdit* edit);
// A left press shows the English-only hint; the press still reaches the box.
void makeEnglishHint(QLineEdit* edit, Output* out);

extern const QString kEnglishHint;  // "          本框中只能输入英文"

}  // namespace zt
