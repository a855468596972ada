// Page "其他调用": ready-made guestbook assets, mobile snippets, the thumbnail
// element, the guestbook loop with its field tags, and the ad slot loop.
#include "app/output.h"
#include "app/pages.h"
#include "app/textops.h"
#include "tags/other/othertags.h"

namespace zt {
namespace {

using namespace other;

// A guestbook field tag that follows the loop variable of "调用标识".
Handler guestbookField(QString before, QString after) {
  return wrapped("编辑框18", std::move(before), std::move(after));
}

void composeGuestbook(Ctx& c) {
  c.out.quietPublish(guestbookLoop({c.text("编辑框16"), c.choice("组合框10"), c.choice("组合框11"),
                                    c.choice("组合框12"), c.text("编辑框17"), c.text("编辑框18"),
                                    c.text("编辑框19")}));
}

// "分页代码": wraps the paging identifier; without one it asks for it and
// leaves the box as it was. Either way the box is copied again, quietly.
void publishPagingCode(Ctx& c) {
  const QString pageId = c.text("编辑框19");
  if (text_is_nonempty(pageId)) c.out.write(pagingCode(pageId));
  else c.out.warn(c.widget("编辑框19"), kNoPageId);
  c.out.copyOut();
}

void composeAd(Ctx& c) {
  c.out.quietPublish(adLoop({c.text("编辑框20"), c.choice("组合框14"), c.text("编辑框21"),
                             c.text("编辑框22")}));
}

void composeThumbnail(Ctx& c) { c.out.publish(thumbnail(c.text("编辑框25"))); }

QString snippet(const char* file) { return asset(QStringLiteral(":/assets/other/") + file); }

}  // namespace

PageSpec otherPage() {
  return {"其他调用", {
    group("分组框12", "特殊功能调用", {1, 30, 488, 61}, {
      radio("单选框36", "Js,Css引用", {20, 21, 80, 24}, stored("编辑框6", snippet("scripts.txt"))),
      radio("单选框101", "现成调用", {124, 21, 72, 24}, stored("编辑框23", snippet("guestbookpage.txt"))),
      radio("单选框102", "现成css", {220, 21, 64, 24}, stored("编辑框24", snippet("site.css"))),
      radio("单选框42", "留言板调用", {394, 21, 80, 24}, stored("编辑框10", snippet("guestbookform.txt"))),
    }),

    group("分组框17", "制作手机端", {1, 99, 484, 64}, {
      radio("单选框103", "手机端判断代码", {20, 24, 104, 24}, stored("编辑框48", snippet("mobiledetect.txt"))),
      radio("单选框104", "手机端自适应代码", {148, 24, 128, 24}, stored("编辑框49", snippet("mobilefit.txt"))),
    }),

    group("分组框25", "缩略图添加到文章", {1, 170, 488, 56}, {
      label("标签6", "图片路径", {20, 21, 56, 24}),
      edit("编辑框25", {81, 23, 56, 20}),
      button("按钮12", "生成", {149, 21, 56, 24}, composeThumbnail),
    }),

    group("分组框11", "留言内容调用", {1, 237, 488, 86}, {
      label("标签27", "栏目ID", {12, 19, 40, 24}),
      edit("编辑框16", {63, 21, 43, 20}, kInteger),
      label("标签28", "审核情况", {115, 19, 54, 24}),
      combo("组合框10", {170, 21, 56, 20}, {"已审", "未审", "全部"}, 2),
      label("标签29", "是否回复", {244, 19, 50, 24}),
      combo("组合框11", {300, 21, 60, 20}, {"全部", "已回复", "未回复"}, 0),
      label("标签30", "排序", {374, 19, 32, 24}),
      combo("组合框12", {405, 21, 79, 20}, {"默认", "ID倒序", "ID正序", "时间倒序", "时间正序"}, 3),
      label("标签31", "调用条数", {10, 51, 80, 24}),
      edit("编辑框17", {63, 53, 43, 20}, kInteger),
      label("标签32", "调用标识", {115, 51, 48, 24}),
      edit("编辑框18", {170, 53, 56, 20}),
      label("标签33", "分页标识", {245, 51, 48, 24}),
      edit("编辑框19", {300, 53, 60, 20}),
      button("按钮10", "生成", {418, 55, 43, 20}, composeGuestbook),
    }),

    group("分组框13", "留言其他标签", {1, 329, 488, 72}, {
      radio("单选框44", "标题ID", {9, 15, 56, 24}, guestbookField("{$", "['id']}")),
      radio("单选框48", "留言标题", {80, 15, 68, 24}, guestbookField("{$", "['title']}")),
      radio("单选框49", "留言内容", {158, 15, 72, 24}, guestbookField("{$", "['body']}")),
      radio("单选框45", "数字排序", {236, 15, 70, 24}, guestbookField("{$", "['n']}")),
      radio("单选框46", "所属栏目ID", {310, 15, 80, 24}, guestbookField("{$", "['tid']}")),
      radio("单选框47", "所属栏目名", {400, 15, 80, 24}, guestbookField("{fun typename($", "['tid'])}")),
      radio("单选框50", "回复内容", {9, 46, 72, 24}, guestbookField("{$", "['reply']}")),
      radio("单选框51", "留言时间", {80, 46, 68, 24}, guestbookField("{fun date('Y-m-d',$", "['addtime'])}")),
      radio("单选框52", "回复时间", {158, 46, 72, 24}, guestbookField("{fun date('Y-m-d',$", "['retime'])}")),
      radio("单选框53", "分页代码", {236, 46, 72, 24}, publishPagingCode),
      radio("单选框54", "结束标签", {312, 45, 80, 24}, fixed("{/loop}")),
    }),

    group("分组框14", "广告位调用", {1, 410, 488, 56}, {
      label("标签35", "广告ID", {9, 20, 40, 24}),
      edit("编辑框20", {51, 22, 33, 20}, kInteger),
      label("标签36", "广告类型", {97, 20, 48, 24}),
      combo("组合框14", {149, 22, 81, 20}, {"全部", "图片", "FLASH", "文字", "视频", "自定义代码"}, 0),
      label("标签37", "调用条数", {244, 20, 50, 24}),
      edit("编辑框21", {296, 22, 33, 20}, kInteger),
      label("标签38", "调用标识", {346, 20, 48, 24}),
      edit("编辑框22", {399, 22, 33, 20}),
      button("按钮11", "生成", {446, 22, 33, 20}, composeAd),
    }),
  }};
}

}  // namespace zt
