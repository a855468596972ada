// Tags of the content page: the fields of the record a content page shows,
// which depend on the channel type, and the custom channel field.
#pragma once
#include <QString>
#include <optional>

namespace zt::content {

// The items of the channel-type list, in list order; each names the record
// a content page of that type reaches ("$article", "$product", "$channel").
inline constexpr const char16_t* kChannelItems[] = {u"文章", u"商品", u"自定义频道"};

enum class RecordField { Title, AddTime, Body, Description, Hits };

// The record's name for a channel-type index ("article", "product",
// "channel"); nothing for an index outside the list.
std::optional<QString> recordName(int channelIndex);

// The tag of one field of the current record for a channel-type index:
// "{$article['title']}", the date call, the body, the summary or the hit
// counter script; nothing for an index outside the list.
std::optional<QString> recordTag(RecordField field, int channelIndex);

// "{$channel['" name "']}", or the reminder when no name was typed. The name
// is used as typed: blanks count, nothing is trimmed or escaped.
QString customField(const QString& name);

extern const QString kNoFieldName;  // "  你还没有输入字段名"

}  // namespace zt::content
