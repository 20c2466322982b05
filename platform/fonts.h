#pragma once

#include <QFont>

namespace platform {

// Fonts are given in points at 96 dpi and set in pixels, so that the drawn
// layout keeps its proportions whatever dpi the display reports.
QFont WindowFont(double points, bool bold = false, bool underline = false);

// The window font of every control that sets none of its own.
inline QFont DefaultFont() { return WindowFont(8.25); }

// Maps the layout's font family onto a metric-compatible one installed here.
void InstallFontSubstitutes();

}  // namespace platform
