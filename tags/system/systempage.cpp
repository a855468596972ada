// Page "系统调用": page-head tags for five page kinds, the three stored head
// blocks, and the site-wide system tags.
#include <QTabWidget>

#include "app/output.h"
#include "app/pages.h"

namespace zt {
namespace {

const QString kHomeHead = QStringLiteral(
    "<title>{$GLOBALS['S']['title']}</title>\r\n"
    "<meta name=\"description\" content=\"{$GLOBALS['S']['description']}\" />\r\n"
    "<meta name=\"keywords\" content=\"{$GLOBALS['S']['keywords']}\" />");
const QString kListHead = QStringLiteral(
    "<title>{$type['title']}-{$GLOBALS['S']['title']}</title>\r\n"
    "<meta name=\"description\" content=\"{$type['description']}-{$GLOBALS['S']['title']}\" />\r\n"
    "<meta name=\"keywords\" content=\"{$type['keywords']}-{$GLOBALS['S']['title']}\" />");
// The content page takes the article's title but the column's description
// and keywords.
const QString kContentHead = QStringLiteral(
    "<title>{$article['title']}-{$GLOBALS['S']['title']}</title>\r\n"
    "<meta name=\"description\" content=\"{$type['description']}-{$GLOBALS['S']['title']}\" />\r\n"
    "<meta name=\"keywords\" content=\"{$type['keywords']}-{$GLOBALS['S']['title']}\" />");

const QString kTitle = "标题[Title]";
const QString kKeywords = "关键字[Keywords]";
const QString kDescription = "描述[Description]";

// One inner page of "  内容页": its three head tags at the same places.
Row headTagPage(const QString& caption, const QString& title, const QString& keywords,
                const QString& description, const QString& record, const QString& suffix) {
  return tabPage(caption, {
      radio(title, kTitle, {12, 40, 88, 24}, fixed(record + "['title']}" + suffix)),
      radio(keywords, kKeywords, {131, 40, 120, 24}, fixed(record + "['keywords']}" + suffix)),
      radio(description, kDescription, {275, 40, 128, 24}, fixed(record + "['description']}" + suffix)),
  });
}

const QString kSiteSuffix = "-{$GLOBALS['S']['title']}";

}  // namespace

PageSpec systemPage() {
  // The list-page title also turns the inner tab control to its third page,
  // whatever the clipboard did.
  Handler listTitle = [publish = fixed("{$type['title']}" + kSiteSuffix)](Ctx& c) {
    publish(c);
    static_cast<QTabWidget*>(c.widget("选择夹2"))->setCurrentIndex(2);
  };

  return {"系统调用", {
    group("分组框4", "标题 关键字 描述", {1, 31, 488, 220}, {
      label("标签12", "集合调用", {12, 20, 48, 24}),
      radio("单选框13", "首页", {87, 20, 61, 24}, stored("编辑框44", kHomeHead)),
      radio("单选框14", "列表页", {206, 20, 80, 24}, stored("编辑框45", kListHead)),
      radio("单选框15", "内容页", {351, 20, 80, 24}, stored("编辑框46", kContentHead)),

      label("标签7", "首页调用", {10, 47, 46, 24}),
      radio("单选框4", kTitle, {86, 47, 88, 24}, fixed("{$GLOBALS['S']['title']}")),
      radio("单选框5", kKeywords, {206, 47, 120, 24}, fixed("{$GLOBALS['S']['keywords']}")),
      radio("单选框6", kDescription, {350, 47, 128, 24}, fixed("{$GLOBALS['S']['description']}")),

      label("标签8", "列表页", {22, 76, 35, 24}),
      radio("单选框9", kTitle, {86, 76, 88, 24}, listTitle),
      radio("单选框7", kKeywords, {206, 76, 120, 24}, fixed("{$type['keywords']}" + kSiteSuffix)),
      radio("单选框8", kDescription, {350, 76, 128, 24}, fixed("{$type['description']}" + kSiteSuffix)),

      group("分组框7", "  内容页", {2, 115, 483, 93}, {
        tabs("选择夹2", {65, 10, 404, 79}, {
          headTagPage(" 文章内容页 ", "单选框10", "单选框11", "单选框12", "{$article", kSiteSuffix),
          headTagPage(" 交互留言页 ", "单选框16", "单选框17", "单选框18", "{$type", {}),
          headTagPage(" 自定义频道 ", "单选框19", "单选框20", "单选框21", "{$channel", {}),
        }),
      }),
    }),

    group("分组框5", "系统标签", {1, 278, 488, 150}, {
      radio("单选框22", "当前位置", {12, 22, 72, 24}, fixed("{$positions}")),
      radio("单选框23", "站点根路径", {140, 22, 80, 24}, fixed("{$GLOBALS['WWW']}")),
      radio("单选框25", "站点网址", {270, 22, 72, 24}, fixed("{$GLOBALS['S']['http']}")),
      radio("单选框95", "站点名称", {394, 22, 71, 24}, fixed("{$GLOBALS['S']['title']}")),
      radio("单选框28", "头部调用", {12, 68, 70, 24}, fixed("{include=\"head.html\"}")),
      radio("单选框29", "底部调用", {139, 68, 72, 24}, fixed("{include=\"footer.html\"}")),
      radio("单选框30", "左侧调用", {270, 68, 72, 24}, fixed("{include=\"left.html\"}")),
      radio("单选框31", "右侧调用", {394, 68, 71, 24}, fixed("{include=\"right.html\"}")),
      radio("单选框59", "新Css路径", {12, 114, 80, 24}, fixed("./style/")),
      radio("单选框24", "新图片路径", {139, 114, 80, 24}, fixed("./images/")),
      radio("单选框26", "CSS路径", {270, 114, 64, 24}, fixed("{$GLOBALS['skin']}style/")),
      radio("单选框27", "图片路径", {394, 114, 72, 24}, fixed("{$GLOBALS['skin']}images/")),
    }),
  }};
}

}  // namespace zt
