#pragma once

#include <array>

class QWidget;

namespace ui {

struct MainWindowControls;

// How a control takes its size from the row of the layout table.
enum class Sizing {
    Fixed,            // the row's width and height
    FitText,          // sized to its text, from the row's left edge
    FitTextFromRight, // sized to its text, keeping the row's right edge (a longer web address
                      // grows to the left instead of out of the window)
    WrapToWidth,      // the row's width; the height of its wrapped text
};

// One control of the main window: where it sits in its container's client area, in twips,
// and its place in the tab order.
struct ControlPlacement {
    const char* name; // its object name, the one tests and assistive technology know it by
    int left, top, width, height;
    int tabIndex;
    QWidget* (*control)(const MainWindowControls& controls);
    Sizing sizing = Sizing::Fixed;
};

// The main window's client area in twips: 399 by 269 pixels.
inline constexpr int kMainClientWidth = 5985, kMainClientHeight = 4035;

extern const std::array<ControlPlacement, 22> kMainWindowLayout;

// Places the controls of the form as the table says and chains the tab order by TabIndex.
void applyMainWindowLayout(QWidget& form, const MainWindowControls& controls);

} // namespace ui
