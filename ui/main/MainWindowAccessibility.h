#pragma once

namespace ui {

struct MainWindowControls;

// Gives every control of the main window a name and a description for assistive technology:
// text boxes are named by the label above them (and labelled by it), the output box by its
// tooltip; option buttons and the case frame are described by the setting they choose. Buttons
// and link labels take theirs from caption and tooltip.
void applyMainWindowAccessibility(const MainWindowControls& controls);

} // namespace ui
