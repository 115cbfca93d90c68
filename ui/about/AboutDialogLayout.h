#pragma once

#include <array>

class QLabel;
class QWidget;

namespace ui {

struct AboutDialogControls;

// The About dialog's client area in twips: 382 by 182 pixels.
inline constexpr int kAboutClientWidth = 5730, kAboutClientHeight = 2730;

// One control of the About dialog, in twips, with its tab index (labels take no focus).
struct AboutPlacement {
    const char* name; // its object name, the one tests and assistive technology know it by
    int left, top, width, height;
    int tabIndex;
    QWidget* (*control)(const AboutDialogControls& controls);
    enum Sizing {
        Fixed,      // the row's width and height
        FitText,    // sized to its text from the row's top-left corner
        WrapToWidth // the row's width; the height of its wrapped text
    } sizing = Fixed;
    // For FitText: the right edge, in twips, that the text may not pass (0: none). A longer
    // text is cut there; the full text stays the label's caption and tooltip.
    int maxRight = 0;
    // For FitText: a word-wrapped label whose last line this text continues (nullptr: none).
    // When that line runs into the row, the text moves right to follow it, as the sentence
    // "... please click on the following link:" is followed by its link.
    QLabel* AboutDialogControls::*follows = nullptr;
};

extern const std::array<AboutPlacement, 8> kAboutDialogLayout;

// The etched separator: a grey line with a wider white one under it, from (left, y) to
// (right, y) in twips.
struct AboutLine {
    int left, y, right;
    int width; // pixels
    unsigned rgb;
};
extern const std::array<AboutLine, 2> kAboutDialogLines;

// Places the controls of the dialog as the table says and chains their tab order.
void applyAboutDialogLayout(QWidget& dialog, const AboutDialogControls& controls);

} // namespace ui
