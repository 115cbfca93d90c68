#pragma once

#include <QFont>

namespace ui {

// The family the windows are drawn in where it is installed.
inline constexpr char kDesignFamily[] = "Tahoma";
// Elsewhere the family whose widths and 13-pixel line at 8.25 points come closest to it, so
// that no caption outgrows the places the layout gives it.
inline constexpr char kFallbackFamily[] = "DejaVu Sans Condensed";

// Point sizes are taken at 96 dots per inch, like the layouts' twips, so that text and
// geometry scale together (8.25 points are 11 pixels).
int pointsToPixels(double points);

// The windows' font at the given size: Tahoma, or the fallback family.
QFont programFont(double points);

} // namespace ui
