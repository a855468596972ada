#include "tags/content/contenttags.h"

#include <iterator>

#include "app/textops.h"

namespace zt::content {

const QString kNoFieldName = QStringLiteral("  你还没有输入字段名");

std::optional<QString> recordName(int channelIndex) {
  static const QString names[] = {"article", "product", "channel"};
  static_assert(std::size(names) == std::size(kChannelItems));
  if (channelIndex < 0 || channelIndex >= int(std::size(names))) return std::nullopt;
  return names[channelIndex];
}

std::optional<QString> recordTag(RecordField field, int channelIndex) {
  const auto name = recordName(channelIndex);
  if (!name) return std::nullopt;
  const QString& r = *name;
  switch (field) {
    case RecordField::Title: return concat({u"{$", r, u"['title']}"});
    case RecordField::AddTime: return concat({u"{fun date('Y-m-d',$", r, u"['addtime'])}"});
    case RecordField::Body: return concat({u"{$", r, u"['body']}"});
    case RecordField::Description: return concat({u"{$", r, u"['description']}"});
    case RecordField::Hits:
      // Loading this script element calls the record's "hits" action.
      return concat({u"<script src=\"{$GLOBALS['WWW']}index.php?c=", r, u"&a=hits&id={$", r,
                     u"['id']}\" type=\"text/javascript\"></script>"});
  }
  return std::nullopt;
}

QString customField(const QString& name) {
  if (!text_is_nonempty(name)) return kNoFieldName;
  return concat({u"{$channel['", name, u"']}"});
}

}  // namespace zt::content
