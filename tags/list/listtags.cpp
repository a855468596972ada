#include "tags/list/listtags.h"

#include "app/page.h"

#include "app/textops.h"

namespace zt::list {
namespace {

// " key=\"value\"" when value is filled in, else nothing.
QString clause(QStringView key, const QString& value) {
  if (!text_is_nonempty(value)) return {};
  return concat({u" ", key, u"=\"", value, u"\""});
}

QStringView orderClause(int order) {
  switch (order) {
    case kIdDesc: return u" orderby=\"orders|desc,id|desc\"";
    case kIdAsc: return u" orderby=\"orders|desc,id\"";
    case kTimeDesc: return u" orderby=\"orders|desc,addtime|desc\"";
    case kTimeAsc: return u" orderby=\"orders|desc,addtime\"";
    default: return {};
  }
}

}  // namespace

QString channelClauses(const ChannelListInputs& in) {
  QString count;
  // Without a count there is neither a page nor a limit clause.
  if (text_is_nonempty(in.count))
    count = text_is_nonempty(in.pageId) ? concat({u" page=\"", in.pageId, u",", in.count, u"\""})
                                        : clause(u"limit", in.count);
  return concat({clause(u"tid", in.tid), clause(u"sid", in.sid), count, orderClause(in.order),
                 clause(u"keywords", in.keywords), clause(u"as", in.var)});
}

QString channelListTag(const ChannelListInputs& in) {
  return concat({u"{loop table=\"channel\" molds=\"", in.channel, u"\"", channelClauses(in), u"}"});
}

QString customField(const QString& var, const QString& field) {
  return concat({u"{$", loopVariable(var), u"['", field, u"']}"});
}

QString pagingCode(const QString& pageId) { return concat({u"{$", pageId, u"}"}); }

QString queryTag(const QString& id, const QString& var) {
  // The condition has no opening quote: the id ends the SQL text that the
  // sql attribute opens, and the condition's quote closes it.
  const QString condition = text_is_nonempty(id) ? concat({u" tid=", id, u"\""}) : QString();
  return concat({u"{sql sql=\"select * from ws_classtype  where ", condition, clause(u"as", var),
                 u"}\r\n", u"{$", loopVariable(var), u"['body']} ", u"\r\n{/sql}"});
}

}  // namespace zt::list
