// Page "列表页": column and list tags, custom-channel lists, the query call.
#include "app/pages.h"

namespace zt {

PageSpec listPage() {
  return {"列表页", {}};
}

}  // namespace zt
