#pragma once
#include "app/page.h"

// The seven pages of the main tab control, in tab order. Each is defined in
// the folder of its page.
namespace zt {
PageSpec homePage();     // tags/home
PageSpec systemPage();   // tags/system
PageSpec otherPage();    // tags/other
PageSpec listPage();     // tags/list
PageSpec contentPage();  // tags/content
PageSpec effectsPage();  // effects
PageSpec helpPage();     // appearance
}  // namespace zt
