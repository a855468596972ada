#include "app/page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <limits>

#include "app/inputs.h"
#include "app/output.h"
#include "app/outputbox.h"
#include "app/textops.h"

namespace zt {

// ---- handler context ------------------------------------------------------

QWidget* Ctx::widget(const QString& name) const {
  QWidget* w = controls_.value(name);
  Q_ASSERT_X(w, "Ctx::widget", qPrintable(name));
  return w;
}

QString Ctx::text(const QString& name) const {
  QWidget* w = widget(name);
  if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text();
  if (auto* box = qobject_cast<OutputBox*>(w)) return box->exactText();
  return {};
}

int Ctx::choice(const QString& name) const {
  auto* c = qobject_cast<QComboBox*>(widget(name));
  return c ? c->currentIndex() : 0;
}

bool Ctx::checked(const QString& name) const {
  auto* c = qobject_cast<QAbstractButton*>(widget(name));
  return c && c->isChecked();
}

QStringView loopVariable(const QString& var) { return text_is_nonempty(var) ? QStringView(var) : u"v"; }

QString loopField(const QString& var, QStringView before, QStringView after) {
  return concat({before, loopVariable(var), after});
}

// ---- row makers -------------------------------------------------------------

Row group(QString name, QString caption, QRect place, std::vector<Row> children) {
  return {Kind::Group, std::move(name), std::move(caption), place, kPlain, {}, 0, {}, std::move(children)};
}
Row label(QString name, QString caption, QRect place, unsigned flags) {
  return {Kind::Label, std::move(name), std::move(caption), place, flags, {}, 0, {}, {}};
}
Row edit(QString name, QRect place, unsigned flags, QString text) {
  return {Kind::Edit, std::move(name), std::move(text), place, flags, {}, 0, {}, {}};
}
Row radio(QString name, QString caption, QRect place, Handler onClick) {
  return {Kind::Radio, std::move(name), std::move(caption), place, kPlain, {}, 0, std::move(onClick), {}};
}
Row check(QString name, QString caption, QRect place, bool ticked) {
  return {Kind::Check, std::move(name), std::move(caption), place, kPlain, {}, ticked ? 1 : 0, {}, {}};
}
Row combo(QString name, QRect place, QStringList items, int initial) {
  return {Kind::Combo, std::move(name), {}, place, kPlain, std::move(items), initial, {}, {}};
}
Row button(QString name, QString caption, QRect place, Handler onClick) {
  return {Kind::Button, std::move(name), std::move(caption), place, kPlain, {}, 0, std::move(onClick), {}};
}
Row tabs(QString name, QRect place, std::vector<Row> pages, int initial) {
  return {Kind::Tabs, std::move(name), {}, place, kPlain, {}, initial, {}, std::move(pages)};
}
Row tabPage(QString caption, std::vector<Row> children) {
  return {Kind::TabPage, {}, std::move(caption), {}, kPlain, {}, 0, {}, std::move(children)};
}
Row picture(QString name, QRect place, QString resource) {
  return {Kind::Picture, std::move(name), std::move(resource), place, kPlain, {}, 0, {}, {}};
}

Handler fixed(QString text) {
  return [text = std::move(text)](Ctx& c) { c.out.publish(text); };
}
Handler stored(QString storageBox, QString text) {
  Q_UNUSED(storageBox);  // named for the reader: the box the text stands in
  return fixed(std::move(text));
}
Handler wrapped(QString varBox, QString before, QString after) {
  return [varBox = std::move(varBox), before = std::move(before), after = std::move(after)](Ctx& c) {
    c.out.publish(loopField(c.text(varBox), before, after));
  };
}
Handler field(QString varBox, QString tail) { return wrapped(std::move(varBox), "{$", std::move(tail)); }

QString asset(const QString& path) {
  QFile f(path);
  const bool ok = f.open(QIODevice::ReadOnly);
  Q_ASSERT_X(ok, "asset", qPrintable(path));
  return ok ? QString::fromUtf8(f.readAll()) : QString();
}

// ---- builder ----------------------------------------------------------------

namespace {

// A caption is drawn on one line; a trailing break in the caption text
// would otherwise push the words out of the control.
QString shownCaption(const QString& caption) {
  QString s = caption;
  s.remove(u'\r');
  s.remove(u'\n');
  return s;
}

// A tab page whose children are placed from the tab control's corner: it
// moves them up by its own offset inside the tab control.
class PlacedPage final : public QWidget {
 public:
  PlacedPage(QTabWidget* tabs) : tabs_(tabs) {}
  void place(QWidget* w, QRect r) { placed_.push_back({w, r}); }
  void relayout() {
    const int dy = mapTo(tabs_, QPoint(0, 0)).y();
    for (auto& [w, r] : placed_) w->setGeometry(r.translated(0, -dy));
  }

 protected:
  void resizeEvent(QResizeEvent*) override { relayout(); }
  void showEvent(QShowEvent*) override { relayout(); }

 private:
  QTabWidget* tabs_;
  std::vector<std::pair<QWidget*, QRect>> placed_;
};

QWidget* makeWidget(QWidget* parent, const Row& row, QHash<QString, QWidget*>& controls,
                    Output& out) {
  QWidget* w = nullptr;
  switch (row.kind) {
    case Kind::Group: {
      auto* g = new QGroupBox(row.caption, parent);
      buildRows(g, row.children, controls, out);
      w = g;
      break;
    }
    case Kind::Label: {
      auto* l = new QLabel(shownCaption(row.caption), parent);
      l->setTextFormat(Qt::PlainText);
      l->setWordWrap(row.flags & kWordWrap);
      l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      w = l;
      break;
    }
    case Kind::Edit: {
      if (row.flags & kMultiLine) {
        auto* box = new OutputBox(parent);
        box->setExactText(row.caption);
        box->setReadOnly(row.flags & kReadOnly);
        w = box;
      } else {
        auto* e = new QLineEdit(parent);
        e->setMaxLength(std::numeric_limits<int>::max());
        e->setText(row.caption);
        e->setCursorPosition(0);  // show a long initial text from its start
        e->setReadOnly(row.flags & kReadOnly);
        if (row.flags & kInteger) makeIntegerInput(e);
        if (row.flags & kLower) makeLowerCaseInput(e);
        if (row.flags & kEnglish) makeEnglishHint(e, &out);
        w = e;
      }
      break;
    }
    case Kind::Radio:
    case Kind::Check:
    case Kind::Button: {
      QAbstractButton* b = nullptr;
      if (row.kind == Kind::Radio) b = new QRadioButton(shownCaption(row.caption), parent);
      else if (row.kind == Kind::Check) b = new QCheckBox(shownCaption(row.caption), parent);
      else {
        auto* p = new QPushButton(shownCaption(row.caption), parent);
        p->setAutoDefault(false);
        b = p;
      }
      if (row.kind == Kind::Check) b->setChecked(row.initial != 0);
      if (row.onClick) {
        // clicked, not toggled: a selected radio button publishes again.
        QObject::connect(b, &QAbstractButton::clicked, b,
                         [handler = row.onClick, &controls, &out] {
                           Ctx ctx(controls, out);
                           handler(ctx);
                         });
      }
      w = b;
      break;
    }
    case Kind::Combo: {
      auto* c = new QComboBox(parent);
      c->setEditable(false);
      c->addItems(row.items);
      c->setCurrentIndex(row.initial);
      c->setMaxVisibleItems(qMax(10, int(row.items.size())));
      w = c;
      break;
    }
    case Kind::Tabs: {
      auto* t = new QTabWidget(parent);
      t->setObjectName(row.name);  // the pages take their names from it
      for (const Row& p : row.children) buildTabPage(t, p, controls, out);
      t->setCurrentIndex(row.initial);
      w = t;
      break;
    }
    case Kind::Picture: {
      auto* l = new QLabel(parent);
      l->setPixmap(QPixmap(row.caption));
      l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      l->setFrameShape(QFrame::NoFrame);
      w = l;
      break;
    }
    case Kind::TabPage:
      Q_ASSERT_X(false, "buildRows", "a tab page belongs in a tab control");
      return nullptr;
  }
  if (!row.caption.isEmpty() && row.kind != Kind::Edit && row.kind != Kind::Picture)
    w->setProperty("caption", row.caption);  // the caption exactly as given
  w->setObjectName(row.name);
  if (!row.name.isEmpty()) {
    Q_ASSERT_X(!controls.contains(row.name), "buildRows", qPrintable(row.name));
    controls.insert(row.name, w);
  }
  if (row.flags & kHidden) w->hide();
  else if (parent->isVisible()) w->show();  // built into a page already on screen
  return w;
}

}  // namespace

void buildRows(QWidget* parent, const std::vector<Row>& rows, QHash<QString, QWidget*>& controls,
               Output& out) {
  auto* placed = dynamic_cast<PlacedPage*>(parent);
  for (const Row& row : rows) {
    QWidget* w = makeWidget(parent, row, controls, out);
    if (!w) continue;
    QRect place = row.place;
    // A caption wider than its place (font metrics differ from the
    // designer's) grows to the right rather than being cut off.
    if (row.kind == Kind::Label || row.kind == Kind::Radio || row.kind == Kind::Check)
      place.setWidth(qMax(place.width(), w->sizeHint().width()));
    w->setGeometry(place);
    if (placed) placed->place(w, place);
  }
}

QWidget* addTabPage(QTabWidget* tabs, const QString& caption) {
  auto* page = new PlacedPage(tabs);
  page->setObjectName(tabs->objectName() + u'_' + QString::number(tabs->count()));
  tabs->addTab(page, caption);
  return page;
}

void fillTabPage(QWidget* page, const std::vector<Row>& rows, QHash<QString, QWidget*>& controls,
                 Output& out) {
  buildRows(page, rows, controls, out);
  static_cast<PlacedPage*>(page)->relayout();
}

QWidget* buildTabPage(QTabWidget* tabs, const Row& pageRow, QHash<QString, QWidget*>& controls,
                      Output& out) {
  QWidget* page = addTabPage(tabs, pageRow.caption);
  fillTabPage(page, pageRow.children, controls, out);
  return page;
}

}  // namespace zt
