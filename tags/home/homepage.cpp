// Page "首页调用": navigation, content loop, record fields, friendly links.
#include "app/pages.h"

namespace zt {

PageSpec homePage() {
  return {"首页调用", {}};
}

}  // namespace zt
