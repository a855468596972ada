#include "tags/home/homecompose.h"

#include "app/page.h"

#include "app/textops.h"

namespace zt::home {
namespace {

// " key=\"value\"" when the value is filled in, nothing otherwise.
QString clause(QStringView key, const QString& value) {
  return text_is_nonempty(value) ? concat({u" ", key, u"=\"", value, u"\""}) : QString();
}

// The clause of a list choice; a choice outside the table adds nothing.
QString pick(const QStringList& clauses, int choice) {
  return choice >= 0 && choice < clauses.size() ? clauses.at(choice) : QString();
}

}  // namespace


QString fieldTag(const QString& var, QStringView tail) {
  return loopField(var, u"{$", tail);
}

// ---- navigation ---------------------------------------------------------------

QString navLoop(const NavLoop& in) {
  QString tag = QStringLiteral("{loop table=\"classtype\"");
  tag += clause(u"limit", in.limit);
  tag += clause(u"as", in.var);
  if (!in.hidden) tag += QStringLiteral(" mshow=\"1\"");
  // The current column's id, quoted the way the highlight snippet writes it so
  // that the attribute's own double quotes stay balanced.
  if (in.sub) tag += QStringLiteral(" pid=\"$type['tid']\"");
  if (in.intro) tag += QStringLiteral(" body=\"1\"");
  if (in.sibling) tag += QStringLiteral(" not=\"1\"");
  return tag + u'}';
}

// ---- content loop ---------------------------------------------------------------

const QStringList kTables = {"文章", "商品"};
const QStringList kOrders = {"默认", "ID倒序", "ID正序", "时间倒叙", "时间正序"};
const QStringList kTraits = {"不指定", "头条", "推荐"};
const QStringList kImages = {"不限", "有", "无"};

QString contentLoop(const ContentLoop& in) {
  static const QStringList tables = {"table=\"article\"", "table=\"product\""};
  static const QStringList images = {"", " image=\"1\"", " image=\"2\""};
  static const QStringList traits = {"", " trait=\"1\"", " trait=\"2\""};
  static const QStringList notraits = {"", " notrait=\"1\"", " notrait=\"2\""};
  static const QStringList orders = {
      "",
      " orderby=\"orders|desc,id|desc\"",
      " orderby=\"orders|desc,id\"",
      " orderby=\"orders|desc,addtime|desc\"",
      " orderby=\"orders|desc,addtime\"",
  };

  // A paging identifier turns the count into a page clause; without a count
  // there is neither.
  QString count;
  if (text_is_nonempty(in.count))
    count = text_is_nonempty(in.paging) ? concat({u" page=\"", in.paging, u",", in.count, u"\""})
                                        : clause(u"limit", in.count);

  return concat({u"{loop ", pick(tables, in.table), pick(images, in.image), pick(traits, in.trait),
                 pick(notraits, in.notrait), pick(orders, in.order), clause(u"tid", in.column),
                 clause(u"as", in.var), count, u"}"});
}

// ---- record fields ----------------------------------------------------------------

QString typeName(const QString& var) {
  return concat({u"{fun typename($", loopVariable(var), u"['tid'])}"});
}

QString trimmedTitle(const QString& var, const QString& length) {
  return concat({u"{fun newstr($", loopVariable(var), u"['title'],", length, u")}"});
}

QString trimmedSummary(const QString& var, const QString& length) {
  return concat({u"{fun newstr($", loopVariable(var), u"['description'],", length, u")}"});
}

namespace {
struct DateStyle {
  const char16_t* item;
  const char16_t* format;
};
constexpr DateStyle kStyles[] = {
    {u"2013-8-20", u"Y-m-d"},
    {u"13-8-20", u"y-m-d"},
    {u"8-20", u"m-d"},
    {u"2013-8-20 14:10:5", u"Y-m-d H:i:s"},
    {u"13-8-20 14:10:5", u"y-m-d H:i:s"},
    {u"8-20 14:10:5", u"m-d H:i:s"},
    {u"2013年8月20日", u"Y年m月d日"},
    {u"13年8月20日", u"y年m月d日"},
    {u"2013年8月20日 14:10:5", u"Y年m月d日 H:i:s"},
    {u"13年8月20日 14:10:5", u"y年m月d日 H:i:s"},
};
constexpr int kStyleCount = int(std::size(kStyles));
}  // namespace

const QStringList kDateStyles = [] {
  QStringList items;
  for (const DateStyle& s : kStyles) items << QString::fromUtf16(s.item);
  return items;
}();

QString dateTag(int style, const QString& var) {
  // The list always has a choice; anything else falls back to the first style.
  const DateStyle& s = kStyles[style >= 0 && style < kStyleCount ? style : 0];
  return concat({u"{fun date('", s.format, u"',$", loopVariable(var), u"['addtime'])}"});
}

QString pagingVar(const QString& identifier) { return concat({u"{$", identifier, u"}"}); }

// ---- friendly links ---------------------------------------------------------------

const QStringList kLinkTypes = {"文字", "图片"};

QString linkLoop(const LinkLoop& in) {
  const bool image = in.type == 1;
  QString body = fieldTag(in.var, u"['name']}") + fieldTag(in.var, u"['gourl']}");
  if (image) body += fieldTag(in.var, u"['image']}");
  return concat({u"{loop table=\"links\"", clause(u"taid", in.category), clause(u"as", in.var),
                 clause(u"limit", in.count), image ? u" type=\"image\"" : u" type=\"text\"", u"}",
                 body, u"{/loop}"});
}

}  // namespace zt::home
