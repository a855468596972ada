// Composers of page "列表页": plain functions from the fields a handler reads
// to the tag it publishes. Field texts go in exactly as typed.
#pragma once
#include <QString>

namespace zt::list {

// Items of the sort-order list of the custom-channel composer.
enum Order { kDefault = 0, kIdDesc = 1, kIdAsc = 2, kTimeDesc = 3, kTimeAsc = 4 };

struct ChannelListInputs {
  QString channel;   // molds, required by the handler
  QString tid;       // channel id
  QString sid;       // special topic
  QString count;     // limit, or the count of the page clause
  QString pageId;    // paging identifier
  int order = kTimeDesc;
  QString keywords;
  QString var;       // loop variable
};

// The clauses of the loop tag, in the order tid, sid, page or limit,
// orderby, keywords, as.
QString channelClauses(const ChannelListInputs& in);
// "{loop table=\"channel\" molds=\"<channel>\"" + clauses + "}".
QString channelListTag(const ChannelListInputs& in);

// "{$<var>['<field>']}".
QString customField(const QString& var, const QString& field);
// "{$<pageId>}".
QString pagingCode(const QString& pageId);

// The single-record query: three lines joined by CR LF, the body field
// ending in one blank. Without an id the sql attribute would stay open, so
// the handler refuses an empty id before it gets here.
QString queryTag(const QString& id, const QString& var);

}  // namespace zt::list
