// Page "列表页": column and list tags, custom-channel lists, the query call.
#include "app/output.h"
#include "app/pages.h"
#include "app/textops.h"
#include "tags/list/listtags.h"

namespace zt {
namespace {

using namespace zt::list;

// After a refused input: copy the unchanged output box again, with the report.
void copyAgain(Ctx& c) {
  if (c.out.copyOut()) c.out.setStatus(Output::kCopied);
}

// A field tag of the custom-channel loop: before + loop variable + after.
Handler channelField(QString before, QString after) {
  return wrapped("编辑框30", std::move(before), std::move(after));
}

void composeChannelList(Ctx& c) {
  ChannelListInputs in;
  in.channel = c.text("编辑框26");
  if (!text_is_nonempty(in.channel)) {
    c.out.warn(c.widget("编辑框26"), QStringLiteral(" 请先填写频道名称.. "));
    return copyAgain(c);
  }
  in.tid = c.text("编辑框27");
  in.sid = c.text("编辑框32");
  in.count = c.text("编辑框28");
  in.pageId = c.text("编辑框31");
  in.order = c.choice("组合框15");
  in.keywords = c.text("编辑框29");
  in.var = c.text("编辑框30");
  c.out.publish(channelListTag(in));
}

void pagingCodeOf(Ctx& c) {
  const QString id = c.text("编辑框31");
  if (!text_is_nonempty(id)) {
    c.out.warn(c.widget("编辑框31"), QStringLiteral(" 你没有设置分页标识\r\n\r\n   请先设置分页标识.. "));
    return copyAgain(c);
  }
  c.out.publish(pagingCode(id));
}

void composeCustomField(Ctx& c) {
  const QString name = c.text("编辑框33");
  if (!text_is_nonempty(name)) return copyAgain(c);
  c.out.publish(customField(c.text("编辑框30"), name));
}

void composeQuery(Ctx& c) {
  const QString id = c.text("编辑框41");
  // Without an id the tag's sql attribute would stay open: refuse.
  if (!text_is_nonempty(id)) {
    c.out.warn(c.widget("编辑框41"), QStringLiteral(" 请先填写ID.. "));
    return copyAgain(c);
  }
  c.out.publish(queryTag(id, c.text("编辑框42")));
}

}  // namespace

PageSpec listPage() {
  return {"列表页", {
    group("分组框15", "栏目页模板标签", {1, 31, 488, 56}, {
      radio("单选框100", "当前位置", {12, 23, 80, 24}, fixed("{$positions}")),
      radio("单选框56", "栏目名称", {97, 23, 73, 24}, fixed("{$type['classname']}")),
      radio("单选框58", "栏目介绍", {175, 23, 72, 24}, fixed("{$type['body']}")),
      radio("单选框57", "栏目缩略图", {252, 23, 80, 24}, fixed("{$type['litpic']}")),
      radio("单选框55", "栏目ID", {337, 23, 56, 24}, fixed("{$type['tid']}")),
    }),

    // The list loop always names its record v.
    group("分组框16", "列表页调用", {1, 93, 488, 86}, {
      radio("单选框60", "开始标签", {12, 22, 72, 24}, fixed("{foreach $lists as $v}")),
      radio("单选框62", "文章标题", {94, 22, 72, 24}, fixed("{$v['title']}")),
      radio("单选框61", "标题链接", {176, 22, 68, 24}, fixed("{$v['url']}")),
      radio("单选框64", "标题样式", {254, 22, 72, 24}, fixed("{$v['style']}")),
      radio("单选框67", "点击次数", {336, 22, 72, 24}, fixed("{$v['hits']}")),
      radio("单选框66", "缩略图", {422, 22, 56, 24}, fixed("{$v['litpic']}")),
      radio("单选框68", "文章简介", {12, 51, 72, 24}, fixed("{$v['description']}")),
      radio("单选框69", "发布时间", {94, 51, 72, 24}, fixed("{fun date('Y-m-d',$v['addtime'])}")),
      radio("单选框70", "结束标签", {177, 51, 69, 24}, fixed("{/foreach} ")),
      radio("单选框92", "列表分页", {256, 52, 68, 24}, fixed("{$pages}")),
      radio("单选框93", "分页CSS\r\n", {336, 53, 68, 24},
            stored("编辑框38", asset(":/assets/list/pages.css"))),
    }),

    group("分组框23", "特效调用", {1, 187, 488, 48}, {
      radio("单选框94", "24小时内发布字体加红\r\n", {12, 16, 152, 24},
            stored("编辑框39", asset(":/assets/list/newest24.txt"))),
      edit("编辑框40", {169, 17, 80, 20}, kReadOnly, "调用关于我们，联系我们\r\n"),
      label("标签5", "ID:", {264, 15, 24, 24}),
      edit("编辑框41", {290, 16, 32, 20}, kInteger),
      label("标签4", "调用标识", {332, 16, 56, 24}),
      edit("编辑框42", {384, 17, 32, 20}),
      button("按钮17", "生成", {423, 15, 56, 24}, composeQuery),
    }),

    group("分组框18", "自定义频道", {1, 243, 488, 244}, {
      group("分组框19", "自定义频道列表页", {1, 27, 486, 88}, {
        label("标签43", "频道名称", {15, 16, 48, 24}),
        edit("编辑框26", {73, 18, 50, 20}),
        label("标签44", "频道ID", {135, 16, 40, 24}),
        edit("编辑框27", {186, 18, 40, 20}, kInteger),
        label("标签45", "调用条数", {239, 16, 51, 24}),
        edit("编辑框28", {293, 16, 40, 20}, kInteger),
        label("标签46", "文章排序", {341, 16, 48, 24}),
        combo("组合框15", {397, 18, 80, 20}, {"默认", "ID倒序", "ID正序", "时间倒序", "时间正序"},
              kTimeDesc),
        label("标签50", "指定关键字", {7, 49, 64, 24}),
        edit("编辑框29", {73, 51, 50, 20}),
        label("标签48", "调用标识", {131, 49, 48, 24}),
        edit("编辑框30", {186, 51, 39, 20}),
        label("标签49", "分页标识", {239, 49, 48, 24}),
        edit("编辑框31", {293, 51, 40, 20}),
        label("标签47", "所属专题", {341, 49, 48, 24}),
        edit("编辑框32", {396, 51, 40, 20}),
        button("按钮14", "生成", {443, 50, 40, 20}, composeChannelList),
      }),
      // Field tags for inside that loop, in its loop variable 编辑框30.
      group("分组框22", "调用其他", {1, 129, 486, 112}, {
        radio("单选框72", "所属栏目ID", {8, 16, 80, 24}, channelField("{$", "['tid']}")),
        radio("单选框74", "所属栏目名", {96, 16, 80, 24}, channelField("{fun typename($", "['tid'])}")),
        radio("单选框73", "标题ID", {184, 16, 63, 24}, channelField("{$", "['id']}")),
        radio("单选框75", "文章标题", {255, 16, 69, 24}, channelField("{$", "['title']}")),
        radio("单选框76", "标题链接", {332, 16, 73, 24}, channelField("{$", "['url']}")),
        radio("单选框81", "标题样式", {408, 16, 72, 24}, channelField("{$", "['style']}")),
        radio("单选框80", "点击次数", {8, 44, 72, 24}, channelField("{$", "['hits']}")),
        radio("单选框79", "数字排序", {96, 44, 71, 24}, channelField("{$", "['n']}")),
        radio("单选框78", "分页代码", {184, 45, 72, 24}, pagingCodeOf),
        radio("单选框77", "结束标签", {255, 44, 72, 24}, fixed("{/loop}")),
        label("标签51", "自定义字段", {8, 76, 64, 24}),
        edit("编辑框33", {74, 78, 69, 20}),
        button("按钮15", "点击生成", {159, 78, 69, 20}, composeCustomField),
      }),
    }),
  }};
}

}  // namespace zt
