// Page "网站特效": stored effect snippets and the resource kits.
#include "app/pages.h"

namespace zt {

PageSpec effectsPage() {
  return {"网站特效", {}};
}

}  // namespace zt
