#pragma once

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace ui {

class LinkLabel;

// The controls of the main window, each under its own name: the layout and the accessibility
// tables refer to them by member, so a misspelt control fails to build.
struct MainWindowControls {
    QPushButton* Command1 = nullptr;
    QTimer* tmrFadeOut = nullptr;
    QPushButton* cmdAbout = nullptr;
    QLineEdit* txtGeneratedPwd = nullptr;
    QGroupBox* frPwdCase = nullptr;
    QButtonGroup* optAlphaCases = nullptr;
    QLineEdit* txtprefix = nullptr;
    QLineEdit* txtSuffix = nullptr;
    QButtonGroup* optPwdTypes = nullptr;
    QLineEdit* txtPwdLong = nullptr;
    QLineEdit* txtMasks = nullptr;
    QPushButton* cmdGenerate = nullptr;
    LinkLabel* Label3 = nullptr;
    LinkLabel* lblURL = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblPrefix = nullptr;
    QLabel* lblSuffix = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblMasks = nullptr;
};

// Creates the controls on the form with their names, captions, tooltips and fonts, and Generate
// as the default button; the layout places them.
void createMainWindowControls(QWidget& form, MainWindowControls& controls);

} // namespace ui
