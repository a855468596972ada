#include "appearance/skin.h"

#include <QApplication>
#include <QColor>
#include <QStyleFactory>

namespace zt {
namespace {

// Every theme comes from one accent hue and one of three finishes; the
// table of hues runs round the colour wheel so that neighbours differ.
constexpr int kHues = 29;
enum class Finish { Gloss, Flat, Soft };

struct Palette {
  QColor accent, accentDark, accentLight, face, faceLight, border, text, titleText;
  Finish finish;
};

Palette paletteOf(int number) {
  const int i = (number - 1) % kHues;
  const Finish finish = Finish((number - 1) / kHues);
  const int hue = (98 + i * 360 / kHues) % 360;
  const int sat = finish == Finish::Soft ? 90 : 150;
  Palette p;
  p.finish = finish;
  p.accent = QColor::fromHsv(hue, sat, finish == Finish::Flat ? 175 : 195);
  p.accentDark = QColor::fromHsv(hue, qMin(255, sat + 40), 120);
  p.accentLight = QColor::fromHsv(hue, sat / 3, 250);
  p.face = QColor::fromHsv(hue, 18, 246);
  p.faceLight = QColor::fromHsv(hue, 6, 254);
  p.border = QColor::fromHsv(hue, 60, 165);
  p.text = QColor::fromHsv(hue, 60, 40);
  p.titleText = QColor::fromHsv(hue, 200, 95);
  return p;
}

QString gradient(const QColor& top, const QColor& bottom) {
  return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
      .arg(top.name(), bottom.name());
}

QString sheetOf(const Palette& p) {
  const bool gloss = p.finish == Finish::Gloss;
  const QString button = gloss ? gradient(p.faceLight, p.accentLight) : p.face.name();
  const QString buttonHover = gloss ? gradient(p.accentLight, p.face) : p.accentLight.name();
  const QString tab = gloss ? gradient(p.faceLight, p.face) : p.face.name();
  const QString tabSelected = gloss ? gradient(p.accentLight, p.faceLight) : p.faceLight.name();
  const QString radius = p.finish == Finish::Soft ? "4px" : "2px";
  QString s = QStringLiteral(R"(
* { color: @text; }
QMainWindow, QDialog { background: @face; }
QWidget#clientArea { background-image: url(:/assets/background.jpg); }
QMenuBar { background: @tab; border-bottom: 1px solid @border; }
QMenuBar::item { padding: 2px 8px; background: transparent; }
QMenuBar::item:selected, QMenu::item:selected { background: @accent; color: white; }
QMenu { background: @faceLight; border: 1px solid @border; }
QMenu::item { padding: 3px 20px; }
QGroupBox { border: 1px solid @border; border-radius: @radius; margin-top: 7px; background: transparent; }
QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; color: @titleText; }
QTabWidget::pane { border: 1px solid @border; background: rgba(255, 255, 255, 110); top: -1px; }
QTabBar::tab { background: @tabFace; border: 1px solid @border; border-bottom: none;
  border-top-left-radius: @radius; border-top-right-radius: @radius;
  padding: 2px 7px; margin-right: 1px; margin-top: 2px; }
QTabBar::tab:selected { background: @tabSelected; margin-top: 0; border-top: 2px solid @accent; }
QTabBar::tab:hover:!selected { background: @accentLight; }
QPushButton { background: @button; border: 1px solid @border; border-radius: @radius; padding: 0 4px; }
QPushButton:hover { background: @buttonHover; border-color: @accent; }
QPushButton:pressed { background: @accent; color: white; }
QPushButton:focus { border-color: @accentDark; }
QLineEdit, QPlainTextEdit, QComboBox { background: white; border: 1px solid @border;
  border-radius: 1px; selection-background-color: @accent; selection-color: white; }
QLineEdit:focus, QPlainTextEdit:focus, QComboBox:focus { border-color: @accent; }
QLineEdit:read-only, QPlainTextEdit[readOnly="true"] { background: @faceLight; }
QLineEdit { padding: 0 2px; }
QComboBox { padding: 0 0 0 2px; }
QComboBox::drop-down { width: 12px; border-left: 1px solid @border; background: @button;
  subcontrol-origin: border; subcontrol-position: top right; }
QComboBox::down-arrow { image: url(:/assets/skin/arrow-down.png); }
QComboBox QAbstractItemView { background: white; border: 1px solid @border;
  selection-background-color: @accent; selection-color: white; }
QRadioButton, QCheckBox { background: transparent; spacing: 4px; }
QRadioButton::indicator, QCheckBox::indicator { width: 11px; height: 11px;
  border: 1px solid @accentDark; background: white; }
QRadioButton::indicator { border-radius: 6px; }
QCheckBox::indicator { border-radius: 2px; }
QRadioButton::indicator:hover, QCheckBox::indicator:hover { border-color: @accent; background: @accentLight; }
QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
  stop:0 @accentDark, stop:0.45 @accent, stop:0.55 white, stop:1 white); }
QCheckBox::indicator:checked { background: @accent; image: url(:/assets/skin/check.png); }
QLabel { background: transparent; }
QStatusBar { background: @tab; border-top: 1px solid @border; }
QStatusBar QLabel { padding-left: 0; }
QStatusBar::item { border: none; }
QScrollBar:vertical { background: @face; width: 14px; margin: 14px 0; border-left: 1px solid @border; }
QScrollBar::handle:vertical { background: @button; border: 1px solid @border; border-radius: 2px; min-height: 12px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { background: @face; height: 14px;
  subcontrol-origin: margin; border-left: 1px solid @border; }
QScrollBar::add-line:vertical { subcontrol-position: bottom; }
QScrollBar::sub-line:vertical { subcontrol-position: top; }
QScrollBar::down-arrow:vertical { image: url(:/assets/skin/arrow-down.png); }
QScrollBar::up-arrow:vertical { image: url(:/assets/skin/arrow-up.png); }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
QMessageBox QPushButton { min-width: 64px; min-height: 20px; }
)");
  // Longer names first, so that "@accent" does not eat "@accentDark".
  const std::pair<const char*, QString> vars[] = {
      {"@tabSelected", tabSelected}, {"@tabFace", tab}, {"@tab", tab},
      {"@buttonHover", buttonHover}, {"@button", button},
      {"@accentDark", p.accentDark.name()}, {"@accentLight", p.accentLight.name()},
      {"@accent", p.accent.name()}, {"@faceLight", p.faceLight.name()}, {"@face", p.face.name()},
      {"@border", p.border.name()}, {"@titleText", p.titleText.name()}, {"@text", p.text.name()},
      {"@radius", radius},
  };
  for (const auto& [name, value] : vars) s.replace(QLatin1String(name), value);
  return s;
}

}  // namespace

std::optional<QString> theme(int number) {
  if (number < 1 || number > kThemeCount) return std::nullopt;
  return sheetOf(paletteOf(number));
}

bool applySkin(int number) {
  const std::optional<QString> sheet = theme(number);
  if (!sheet) return false;
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app) return false;
  // Fusion draws the same on every desktop, so the sheet looks as designed.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app->setStyle(fusion);
  app->setStyleSheet(*sheet);
  return true;
}

}  // namespace zt
