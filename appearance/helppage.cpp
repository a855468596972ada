// Page "使用说明": where a template's styles belong, with an example picture.
#include "app/pages.h"

namespace zt {

PageSpec helpPage() {
  return {"使用说明", {}};
}

}  // namespace zt
