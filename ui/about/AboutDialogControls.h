#pragma once

class QLabel;
class QPushButton;

namespace ui {

class LinkLabel;

// The controls of the About dialog, each under its own name: the layout table refers to them by
// member, so a misspelt control fails to build.
struct AboutDialogControls {
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* Label2 = nullptr;
    LinkLabel* lblHelp = nullptr;
    QLabel* Label1 = nullptr;
    LinkLabel* lblURL = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
};

} // namespace ui
