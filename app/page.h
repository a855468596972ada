#pragma once
#include <QHash>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;
class QTabWidget;

namespace zt {

class Output;

// Everything a handler may use: the window's controls by name, read at the
// moment of the click, and the output operations.
class Ctx {
 public:
  Ctx(const QHash<QString, QWidget*>& controls, Output& out) : controls_(controls), out(out) {}
  QString text(const QString& name) const;    // edit box text
  int choice(const QString& name) const;      // drop-down list index
  bool checked(const QString& name) const;    // check box state
  QWidget* widget(const QString& name) const; // for warn() and the rare control a handler turns

 private:
  const QHash<QString, QWidget*>& controls_;

 public:
  Output& out;
};

using Handler = std::function<void(Ctx&)>;

// Input behaviours of edit boxes and flags of other controls.
enum Flag : unsigned {
  kPlain = 0,
  kInteger = 1u << 0,    // only digits and '-' can be typed
  kLower = 1u << 1,      // letters turn lower case
  kEnglish = 1u << 2,    // left press shows the English-only hint
  kReadOnly = 1u << 3,
  kHidden = 1u << 4,
  kMultiLine = 1u << 5,  // multi-line edit box (with vertical scroll bar)
  kWordWrap = 1u << 6,   // labels: wrap long captions
};

enum class Kind { Group, Label, Edit, Radio, Check, Combo, Button, Tabs, TabPage, Picture };

// One control of a page: the window description, one row per control.
struct Row {
  Kind kind;
  QString name;
  QString caption;          // caption; initial text of an edit box; resource of a picture
  QRect place;              // x, y, w, h relative to the parent
  unsigned flags = kPlain;
  QStringList items;        // drop-down list items
  int initial = 0;          // list index, check state (0/1), current tab page
  Handler onClick;          // radio buttons and buttons
  std::vector<Row> children;
};

// Row makers, in the order of the window description's columns.
Row group(QString name, QString caption, QRect place, std::vector<Row> children);
Row label(QString name, QString caption, QRect place, unsigned flags = kPlain);
Row edit(QString name, QRect place, unsigned flags = kPlain, QString text = {});
Row radio(QString name, QString caption, QRect place, Handler onClick);
Row check(QString name, QString caption, QRect place, bool ticked = false);
Row combo(QString name, QRect place, QStringList items, int initial = 0);
Row button(QString name, QString caption, QRect place, Handler onClick);
Row tabs(QString name, QRect place, std::vector<Row> pages, int initial = 0);
Row tabPage(QString caption, std::vector<Row> children);
Row picture(QString name, QRect place, QString resource);

// The name field tags use for the loop's record: the variable box's text,
// or "v" when it is empty.
QStringView loopVariable(const QString& var);
// A field tag inside a loop: before + loopVariable(var) + after.
QString loopField(const QString& var, QStringView before, QStringView after);

// What a radio button publishes.
Handler fixed(QString text);                        // a constant text
Handler stored(QString storageBox, QString text);   // a storage box's stored text
Handler wrapped(QString varBox, QString before, QString after);  // loopField of varBox's text
Handler field(QString varBox, QString tail);        // wrapped(varBox, "{$", tail)

// The text of an embedded file, e.g. asset(":/assets/snippets/x.txt"), decoded
// as UTF-8 with every byte (line breaks, tabs, trailing blanks) kept.
QString asset(const QString& path);

// A tab page of the main tab control.
struct PageSpec {
  QString caption;
  std::vector<Row> rows;
};

// Builds rows into parent and registers every named control.
void buildRows(QWidget* parent, const std::vector<Row>& rows, QHash<QString, QWidget*>& controls,
               Output& out);
// Builds a tab page; its children's places count from the tab control's
// top-left corner, tab strip included, as the window description gives them.
QWidget* buildTabPage(QTabWidget* tabs, const Row& pageRow, QHash<QString, QWidget*>& controls,
                      Output& out);
// The same in two steps: an empty page now, its controls later (also while
// the page is on screen).
QWidget* addTabPage(QTabWidget* tabs, const QString& caption);
void fillTabPage(QWidget* page, const std::vector<Row>& rows, QHash<QString, QWidget*>& controls,
                 Output& out);

}  // namespace zt
