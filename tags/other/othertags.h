// Composers of page "其他调用": the guestbook loop, the ad slot loop, the
// guestbook field tags and the thumbnail element. Plain functions from the
// fields' texts and list choices to the tag, so the clause order lives here.
#pragma once
#include <QString>

namespace zt::other {

// The guestbook loop's inputs, as read from the group "留言内容调用".
struct GuestbookInputs {
  QString tid;     // 栏目ID
  int review = 2;  // 审核情况: 0 已审, 1 未审, 2 全部
  int reply = 0;   // 是否回复: 0 全部, 1 已回复, 2 未回复
  int order = 3;   // 排序: 0 默认, 1 ID倒序, 2 ID正序, 3 时间倒序, 4 时间正序
  QString count;   // 调用条数
  QString var;     // 调用标识 (loop variable)
  QString pageId;  // 分页标识
};

// "{loop table=\"message\"" + tid, isshow, as, reply, orderby, page or limit + "}".
QString guestbookLoop(const GuestbookInputs& in);

// The ad slot loop's inputs, as read from the group "广告位调用".
struct AdInputs {
  QString taid;   // 广告ID
  int type = 0;   // 广告类型: 0 全部, 1..5 the type number
  QString count;  // 调用条数
  QString var;    // 调用标识
};

// "{loop table=\"ads\"" + taid, limit, as, type + "}".
QString adLoop(const AdInputs& in);


// "{$" + paging identifier + "}".
QString pagingCode(const QString& pageId);

// "<img src='" + path + "' />", or the reminder when the path is empty.
QString thumbnail(const QString& path);

extern const QString kNoPageId;  // message box text of "分页代码" without an identifier
extern const QString kNoPath;    // reminder of the thumbnail without a path

}  // namespace zt::other
