#include "tags/other/othertags.h"

#include "app/textops.h"

namespace zt::other {

const QString kNoPageId = QStringLiteral(" 你没有设置分页标识\r\n\r\n   请先设置分页标识.. ");
const QString kNoPath = QStringLiteral("  你还没有输入图片路径");

namespace {

// " key=\"value\"" when the value is filled in, else nothing.
QString clause(QStringView key, const QString& value) {
  if (!text_is_nonempty(value)) return {};
  return concat({u" ", key, u"=\"", value, u"\""});
}

}  // namespace

QString guestbookLoop(const GuestbookInputs& in) {
  QString selection = clause(u"tid", in.tid);
  if (in.review == 0) selection += QStringLiteral(" isshow=\"1\"");
  selection += clause(u"as", in.var);

  QString order;
  if (in.reply == 1) order += QStringLiteral(" reply=\"1\"");
  else if (in.reply == 2) order += QStringLiteral(" reply=\"2\"");
  switch (in.order) {
    case 1: order += QStringLiteral(" orderby=\"orders|desc,id|desc\""); break;
    case 2: order += QStringLiteral(" orderby=\"orders|desc,id\""); break;
    case 3: order += QStringLiteral(" orderby=\"orders|desc,addtime|desc\""); break;
    case 4: order += QStringLiteral(" orderby=\"orders|desc,addtime\""); break;
    default: break;  // 默认, or no selection
  }
  // The count decides: with a paging identifier it pages (identifier first),
  // without one it limits; without a count neither clause is written.
  if (text_is_nonempty(in.count)) {
    if (text_is_nonempty(in.pageId)) order += concat({u" page=\"", in.pageId, u",", in.count, u"\""});
    else order += clause(u"limit", in.count);
  }
  return concat({u"{loop table=\"message\"", selection, order, u"}"});
}

QString adLoop(const AdInputs& in) {
  QString clauses = clause(u"taid", in.taid) + clause(u"limit", in.count) + clause(u"as", in.var);
  // The type number is the item's index; "全部" means no type filter at all.
  if (in.type >= 1 && in.type <= 5) clauses += concat({u" type=\"", QString::number(in.type), u"\""});
  return concat({u"{loop table=\"ads\"", clauses, u"}"});
}

QString pagingCode(const QString& pageId) { return concat({u"{$", pageId, u"}"}); }

QString thumbnail(const QString& path) {
  if (!text_is_nonempty(path)) return kNoPath;
  return concat({u"<img src='", path, u"' />"});
}

}  // namespace zt::other
