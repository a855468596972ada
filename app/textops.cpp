#include "app/textops.h"

namespace zt {

bool text_is_nonempty(QStringView text) { return !text.isEmpty(); }

QString concat(std::initializer_list<QStringView> pieces) {
  qsizetype size = 0;
  for (QStringView p : pieces) size += p.size();
  QString out;
  out.reserve(size);
  for (QStringView p : pieces) out.append(p);
  return out;
}

}  // namespace zt
