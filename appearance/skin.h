#pragma once
#include <QString>
#include <optional>

namespace zt {

constexpr int kThemeCount = 87;
constexpr int kStartTheme = 10;

// The style sheet of theme 1 .. 87; no theme for any other number.
std::optional<QString> theme(int number);

// Applies the theme to the whole application; a missing theme leaves the
// default look.
bool applySkin(int number);

}  // namespace zt
