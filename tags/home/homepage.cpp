// Page "首页调用": navigation loop and its fields, the content loop, the
// fields of one loop record, trimmed title, summary and date, friendly links.
#include "app/output.h"
#include "app/pages.h"
#include "app/textops.h"
#include "tags/home/homecompose.h"

namespace zt {
namespace {

using namespace home;

const QString kNoPagingId = QStringLiteral(" 你没有设置分页标识\r\n\r\n   请先设置分页标识.. ");

// 分组框2: the navigation loop over the site's columns.
Row navigationGroup() {
  Handler compose = [](Ctx& c) {
    NavLoop in;
    in.limit = c.text("编辑框3");
    in.var = c.text("编辑框2");
    in.intro = c.checked("选择框1");
    in.hidden = c.checked("选择框2");
    in.sibling = c.checked("选择框3");
    in.sub = c.checked("选择框4");
    c.out.quietPublish(navLoop(in));
  };
  return group("分组框2", "导航调用", {1, 28, 488, 95}, {
    label("标签3", "个数", {10, 22, 50, 24}),
    edit("编辑框3", {39, 24, 37, 20}),
    label("标签2", "标识", {87, 22, 37, 24}),
    edit("编辑框2", {116, 24, 37, 20}, kLower | kEnglish),
    check("选择框1", "简介", {166, 23, 46, 24}),
    check("选择框2", "隐藏", {223, 23, 53, 24}),
    check("选择框3", "无下级则调用同级", {284, 23, 120, 24}, true),
    check("选择框4", "二级栏目", {410, 25, 73, 24}),
    radio("单选框1", "导航名称", {10, 60, 68, 24}, field("编辑框2", "['classname']}")),
    radio("单选框2", "导航链接", {86, 60, 68, 24}, field("编辑框2", "['url']}")),
    radio("单选框71", "栏目介绍", {162, 60, 72, 24}, field("编辑框2", "['body']}")),
    // The highlight snippet is pasted outside and inside the loop; it always
    // names the record "v".
    radio("单选框98", "导航高亮", {245, 61, 72, 24},
          stored("编辑框47", asset(":/assets/home/nav-highlight.txt"))),
    radio("单选框3", "导航结束标签", {332, 60, 93, 24}, fixed("{/loop}")),
    button("按钮3", "生成", {428, 59, 53, 24}, compose),
  });
}

// 分组框3: the content loop. Its 调用标识 and 分页标识 also serve the record
// fields of 分组框8.
Row contentGroup() {
  Handler compose = [](Ctx& c) {
    ContentLoop in;
    in.table = c.choice("组合框13");
    in.column = c.text("编辑框5");
    in.count = c.text("编辑框7");
    in.var = c.text("编辑框8");
    in.paging = c.text("编辑框9");
    in.order = c.choice("组合框7");
    in.trait = c.choice("组合框4");
    in.notrait = c.choice("组合框5");
    in.image = c.choice("组合框6");
    c.out.publish(contentLoop(in));
  };
  return group("分组框3", "文章调用", {1, 136, 488, 122}, {
    label("标签34", "频道类型", {12, 18, 48, 24}),
    combo("组合框13", {64, 19, 49, 20}, kTables),
    label("标签9", "所属栏目", {123, 17, 48, 24}),
    edit("编辑框5", {176, 19, 28, 20}, kInteger),
    label("标签17", "调用条数", {209, 17, 48, 24}),
    edit("编辑框7", {262, 19, 29, 20}, kInteger),
    label("标签18", "调用标识", {306, 16, 48, 24}),
    edit("编辑框8", {361, 18, 27, 20}, kEnglish),
    label("标签19", "分页标识", {395, 15, 48, 24}),
    edit("编辑框9", {448, 17, 28, 20}, kEnglish),
    label("标签16", "文章排序", {12, 55, 48, 24}),
    combo("组合框7", {64, 55, 76, 20}, kOrders),
    label("标签13", "包含的推荐属性", {143, 55, 88, 24}),
    combo("组合框4", {228, 55, 77, 20}, kTraits),
    label("标签14", "不包含推荐属性", {312, 55, 88, 24}),
    combo("组合框5", {403, 55, 77, 20}, kTraits),
    label("标签15", "缩略图", {14, 88, 41, 24}),
    combo("组合框6", {64, 92, 55, 20}, kImages),
    button("按钮5", "生成", {406, 88, 64, 24}, compose),
  });
}

// 分组框8: the fields of one content-loop record, named by 调用标识.
Row recordGroup(Row links) {
  const QString var = QStringLiteral("编辑框8");

  // The paging variable needs an identifier; without one the user is sent to
  // the field and the output box is copied again as it stands.
  Handler paging = [](Ctx& c) {
    const QString id = c.text("编辑框9");
    if (text_is_nonempty(id)) {
      c.out.quietPublish(pagingVar(id));
      return;
    }
    c.out.warn(c.widget("编辑框9"), kNoPagingId);
    c.out.copyOut();
  };
  Handler title = [](Ctx& c) { c.out.publish(trimmedTitle(c.text("编辑框8"), c.text("编辑框11"))); };
  Handler summary = [](Ctx& c) {
    c.out.publish(trimmedSummary(c.text("编辑框8"), c.text("编辑框12")));
  };
  Handler date = [](Ctx& c) { c.out.quietPublish(dateTag(c.choice("组合框8"), c.text("编辑框8"))); };
  Handler column = [](Ctx& c) { c.out.publish(typeName(c.text("编辑框8"))); };

  return group("分组框8", "其他标签", {1, 267, 488, 224}, {
    radio("单选框39", "所属栏目ID", {13, 18, 80, 24}, field(var, "['tid']}")),
    radio("单选框35", "文章标题", {102, 18, 69, 24}, field(var, "['title']}")),
    radio("单选框34", "标题链接", {180, 18, 73, 24}, field(var, "['url']}")),
    radio("单选框37", "缩略图", {262, 18, 56, 24}, field(var, "['litpic']}")),
    radio("单选框38", "点击次数", {327, 18, 72, 24}, field(var, "['hits']}")),
    radio("单选框33", "数字排序", {412, 18, 71, 24}, field(var, "['n']}")),
    radio("单选框40", "所属栏目名", {13, 50, 80, 24}, column),
    radio("单选框32", "标题ID", {104, 50, 63, 24}, field(var, "['id']}")),
    radio("单选框43", "分页代码", {178, 50, 72, 24}, paging),
    radio("单选框41", "结束标签", {262, 50, 72, 24}, fixed("{/loop}")),
    group("分组框9", "带限定字数的标题 简介和时间样式", {3, 86, 482, 58}, {
      label("标签20", "标题字数", {8, 22, 48, 24}),
      edit("编辑框11", {59, 24, 32, 20}, kInteger),
      button("按钮6", "生成", {96, 24, 35, 20}, title),
      label("标签21", "简介字数", {145, 22, 48, 24}),
      edit("编辑框12", {199, 24, 32, 20}, kInteger),
      button("按钮7", "生成", {235, 24, 35, 20}, summary),
      label("标签22", "时间样式", {287, 23, 48, 24}),
      combo("组合框8", {342, 25, 91, 20}, kDateStyles),
      button("按钮8", "生成", {439, 24, 35, 20}, date),
    }),
    std::move(links),
  });
}

// 分组框10: the friendly-link loop, with its own loop variable 通用标识.
Row linksGroup() {
  Handler compose = [](Ctx& c) {
    LinkLoop in;
    in.count = c.text("编辑框14");
    in.category = c.text("编辑框13");
    in.type = c.choice("组合框9");
    in.var = c.text("编辑框15");
    c.out.publish(linkLoop(in));
  };
  return group("分组框10", "友情链接", {3, 158, 482, 46}, {
    label("标签25", "调用条数", {10, 15, 48, 24}),
    edit("编辑框14", {65, 17, 40, 20}, kInteger),
    label("标签23", "链接分类ID", {111, 15, 66, 24}),
    edit("编辑框13", {179, 17, 31, 20}, kInteger),
    label("标签24", "链接类型", {223, 15, 50, 24}),
    combo("组合框9", {278, 17, 52, 20}, kLinkTypes),
    label("标签26", "通用标识", {341, 15, 48, 24}),
    edit("编辑框15", {394, 17, 31, 20}, kEnglish),
    button("按钮9", "生成", {439, 17, 35, 20}, compose),
  });
}

}  // namespace

PageSpec homePage() {
  return {"首页调用", {navigationGroup(), contentGroup(), recordGroup(linksGroup())}};
}

}  // namespace zt
