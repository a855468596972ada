// Page "网站特效": five stored effect snippets and the buttons that write the
// resource kits some of them need.
#include "app/pages.h"
#include "effects/kits.h"

namespace zt {
namespace {

QString snippet(const char* file) {
  return asset(QStringLiteral(":/assets/effects/snippets/") + QLatin1String(file));
}

Handler writeKit(const Kit& kit) {
  return [&kit](Ctx&) { exportKit(kit); };
}

}  // namespace

PageSpec effectsPage() {
  return {"网站特效", {
    group("分组框24", "网页特效", {5, 31, 480, 60}, {
      radio("单选框96", "产品滚动", {16, 18, 72, 24}, stored("编辑框4", snippet("productstrip.txt"))),
      radio("单选框97", "图片轮播", {146, 19, 71, 24}, stored("编辑框43", snippet("flashcarousel.txt"))),
      button("按钮18", "获取flash", {232, 20, 64, 24}, writeKit(kFlashKit)),
    }),
    group("分组框26", "在线QQ和全屏banner", {5, 99, 480, 64}, {
      radio("单选框105", "调用代码", {16, 24, 80, 24}, stored("编辑框50", snippet("servicepanel.txt"))),
      button("按钮13", "获取文件", {104, 24, 80, 24}, writeKit(kServiceKit)),
      radio("单选框106", "全屏banner", {232, 24, 80, 24}, stored("编辑框51", snippet("banner.txt"))),
      button("按钮19", "获取文件", {344, 24, 80, 24}, writeKit(kBannerKit)),
    }),
    group("分组框27", "滚动代码", {5, 179, 480, 64}, {
      radio("单选框107", "滚动代码", {16, 24, 80, 24}, stored("编辑框52", snippet("marquee.txt"))),
    }),
  }};
}

}  // namespace zt
