#pragma once
#include <QString>
#include <QStringView>
#include <initializer_list>

namespace zt {

// True when the text holds at least one character; blanks count.
bool text_is_nonempty(QStringView text);

// Joins the pieces in order; an empty piece adds nothing.
QString concat(std::initializer_list<QStringView> pieces);

}  // namespace zt
