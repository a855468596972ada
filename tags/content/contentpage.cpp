// Page "内容页 ": record fields by channel type, comments, custom fields.
#include "app/pages.h"

namespace zt {

PageSpec contentPage() {
  return {"内容页 ", {}};
}

}  // namespace zt
