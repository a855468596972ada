// Page "内容页 ": the fields of the record a content page shows (following
// the channel type), previous and next links, the comment block and list,
// and the custom channel field.
#include "app/output.h"
#include "app/pages.h"
#include "tags/content/contenttags.h"

namespace zt {
namespace {

using content::RecordField;

// A field of the current record, for the channel type picked at the click.
// Should the list show no item, the box keeps its text and is copied again.
Handler byChannel(RecordField field) {
  return [field](Ctx& c) {
    if (const auto text = content::recordTag(field, c.choice("组合框16"))) {
      c.out.publish(*text);
    } else if (c.out.copyOut()) {
      c.out.setStatus(Output::kCopied);
    }
  };
}

QStringList channelItems() {
  QStringList items;
  for (const char16_t* item : content::kChannelItems) items << QString::fromUtf16(item);
  return items;
}

}  // namespace

PageSpec contentPage() {
  Handler customField = [](Ctx& c) { c.out.publish(content::customField(c.text("编辑框34"))); };

  return {"内容页 ", {
    group("分组框20", "通用调用", {0, 32, 488, 147}, {
      label("标签52", "频道类型", {15, 17, 56, 24}),
      combo("组合框16", {69, 19, 80, 20}, channelItems(), 0),

      radio("单选框87", "文章标题", {15, 47, 72, 24}, byChannel(RecordField::Title)),
      radio("单选框86", "发布时间", {114, 47, 70, 24}, byChannel(RecordField::AddTime)),
      radio("单选框65", "正文内容", {211, 47, 72, 24}, byChannel(RecordField::Body)),
      radio("单选框88", "点击次数", {310, 47, 72, 24}, byChannel(RecordField::Hits)),
      radio("单选框89", "上下篇", {409, 47, 61, 24},
            stored("编辑框35", asset(":/assets/content/prevnext.txt"))),

      radio("单选框85", "文章简介", {15, 81, 72, 24}, byChannel(RecordField::Description)),
      radio("单选框90", "栏目名称", {114, 81, 96, 24}, fixed("{$type['classname']}")),
      radio("单选框91", "所属栏目ID", {211, 81, 80, 24}, fixed("{$type['tid']}")),
      radio("单选框83", "评论功能", {310, 81, 72, 24},
            stored("编辑框37", asset(":/assets/content/commentblock.txt"))),
      radio("单选框82", "评论列表", {409, 81, 72, 24},
            stored("编辑框36", asset(":/assets/content/commentlist.txt"))),

      radio("单选框84", "内容分页", {15, 115, 72, 24}, fixed("{$pages}")),
      // The thumbnail is the article record's, whatever the channel type.
      radio("单选框63", "缩略图", {114, 115, 60, 24}, fixed("{$article['litpic']}")),
      radio("单选框99", "当前位置", {211, 115, 80, 24}, fixed("{$positions}")),
    }),

    group("分组框21", "自定义频道内容页", {1, 188, 488, 56}, {
      label("标签53", "自定义字段", {8, 24, 64, 24}),
      edit("编辑框34", {75, 26, 44, 20}),
      button("按钮16", "生成", {130, 26, 44, 20}, customField),
    }),
  }};
}

}  // namespace zt
