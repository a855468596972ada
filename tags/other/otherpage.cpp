// Page "其他调用": guestbook, advertisements, ready-made assets, mobile snippets.
#include "app/pages.h"

namespace zt {

PageSpec otherPage() {
  return {"其他调用", {}};
}

}  // namespace zt
