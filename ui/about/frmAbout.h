#pragma once

#include "ui/about/AboutDialogControls.h"
#include "ui/about/frmAboutServices.h"

#include <QDialog>

namespace ui {

// The About dialog: title, version, where help is found, the help and home page links, and
// System Info. Fixed size, centred on the screen, modal. Each About builds a new one, so its
// load handler runs every time. Its controls are members of its own, under their names.
class frmAbout final : public QDialog, private AboutDialogControls {
    Q_OBJECT
public:
    explicit frmAbout(const frmAboutServices& services, QWidget* parent = nullptr);

    // Shows a freshly loaded dialog modally and returns when it has been closed.
    static void showModal(const frmAboutServices& services);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblHelp_Click();
    void lblURL_Click();

    frmAboutServices services_;
};

} // namespace ui
