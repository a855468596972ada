// Page "使用说明": where a template's styles belong, with an example picture.
#include "app/pages.h"
#include "appearance/windows.h"

namespace zt {

PageSpec helpPage() {
  Handler example = [](Ctx& c) { showModal(new PathExampleWindow(c.widget("选择夹1")->window())); };
  return {"使用说明", {
    group("分组框6", "Tindal说明", {0, 30, 491, 460}, {
      label("标签10", "样式存放位置：如果你在template中新建的了文件夹用来存放自己做的模板", {12, 14, 392, 24}),
      label("标签11", "那么样式就应该放在skin文件夹下同模板文件夹一样名称的文件夹", {94, 36, 367, 24}),
      button("按钮4", "例子", {434, 12, 40, 24}, example),
    }),
  }};
}

}  // namespace zt
