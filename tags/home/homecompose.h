#pragma once
// Composers of page "首页调用": plain functions from what the user set to the
// tag text. Field texts go in exactly as typed; a field of blanks counts as
// filled in.
#include <QString>
#include <QStringList>

namespace zt::home {

// "{$" + variable + tail, e.g. tail "['title']}".
QString fieldTag(const QString& var, QStringView tail);

// Navigation loop over the column table.
struct NavLoop {
  QString limit;          // 个数
  QString var;            // 标识
  bool intro = false;     // 简介
  bool hidden = false;    // 隐藏: leaves out the mshow filter
  bool sibling = true;    // 无下级则调用同级
  bool sub = false;       // 二级栏目
};
QString navLoop(const NavLoop& in);

// Content loop over articles or products. Choices are list indexes.
struct ContentLoop {
  int table = 0;          // 频道类型: 文章, 商品
  QString column;         // 所属栏目
  QString count;          // 调用条数
  QString var;            // 调用标识
  QString paging;         // 分页标识
  int order = 0;          // 文章排序
  int trait = 0;          // 包含的推荐属性
  int notrait = 0;        // 不包含推荐属性
  int image = 0;          // 缩略图
};
QString contentLoop(const ContentLoop& in);

// The list items of the content loop group, in list order.
extern const QStringList kTables;
extern const QStringList kOrders;
extern const QStringList kTraits;
extern const QStringList kImages;

// Column-name call of a loop record.
QString typeName(const QString& var);
// A record's title or description cut to length characters (length as typed,
// also when empty).
QString trimmedTitle(const QString& var, const QString& length);
QString trimmedSummary(const QString& var, const QString& length);

// Publication date of a loop record in one of the date styles.
extern const QStringList kDateStyles;  // list items: example renderings
QString dateTag(int style, const QString& var);

// The paging variable "{$identifier}".
QString pagingVar(const QString& identifier);

// Friendly-link loop: opening tag, the fields of one link and closing tag.
struct LinkLoop {
  QString count;     // 调用条数
  QString category;  // 链接分类ID
  int type = 0;      // 链接类型: 文字, 图片
  QString var;       // 通用标识
};
extern const QStringList kLinkTypes;
QString linkLoop(const LinkLoop& in);

}  // namespace zt::home
