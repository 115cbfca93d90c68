#include "ui/about/frmAbout.h"

#include "platform/desktop/MessageBoxes.h"
#include "platform/runtime/AppInfo.h"
#include "platform/system/SystemInformation.h"
#include "ui/about/AboutDialogLayout.h"
#include "ui/about/WebLink.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/ProgramFont.h"
#include "ui/widgets/ProgramIcon.h"
#include "ui/widgets/Twips.h"
#include "ui/widgets/WebAddresses.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace ui {

namespace {
QString label1Text() {
    return QCoreApplication::translate(
        "frmAbout",
        "Norvik Password Generator is a simple software that assist you to generate a strong "
        "password. For help on the usage, please click on the following link:");
}
QString label2Text() {
    return QCoreApplication::translate(
        "frmAbout",
        "Specific help on each item on the main window is available by hovering on them. For more "
        "help on the Password Mask, see link above");
}

LinkLabel* newLink(QWidget* parent, const char* name, const QString& address) {
    auto* link = new LinkLabel(address, parent);
    link->setObjectName(QLatin1String(name));
    link->setToolTip(address);
    return link;
}
} // namespace

frmAbout::frmAbout(const frmAboutServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      services_(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QCoreApplication::translate("frmAbout", "About MyApp"));
    setModal(true);
    setWindowIcon(programIcon());
    setFont(programFont(8.25));

    createControls();
    applyAboutDialogLayout(*this, *this);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(lblHelp, &LinkLabel::clicked, this, &frmAbout::lblHelp_Click);
    connect(lblURL, &LinkLabel::clicked, this, &frmAbout::lblURL_Click);

    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::createControls() {
    cmdOK = newButton(this, "cmdOK", QCoreApplication::translate("frmAbout", "&OK"),
                      QCoreApplication::translate("frmAbout", "Close the dialog"));
    cmdOK->setDefault(true);
    cmdSysInfo =
        newButton(this, "cmdSysInfo", QCoreApplication::translate("frmAbout", "&System Info..."),
                  QCoreApplication::translate("frmAbout", "Information about your system"));

    Label2 = newLabel(this, "Label2", label2Text());
    Label2->setWordWrap(true);
    // The help page is linked as a folder, with its trailing slash.
    lblHelp = newLink(this, "lblHelp", helpPageAddress() + u'/');
    Label1 = newLabel(this, "Label1", label1Text());
    Label1->setWordWrap(true);
    lblURL = newLink(this, "lblURL", homePageAddress());

    lblTitle =
        newLabel(this, "lblTitle", QCoreApplication::translate("frmAbout", "Application Title"));
    QFont title = programFont(11.25);
    title.setBold(true);
    lblTitle->setFont(title);
    QPalette black = lblTitle->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblTitle->setPalette(black);
    lblVersion = newLabel(this, "lblVersion", QCoreApplication::translate("frmAbout", "Version"));
    // A word-wrapped label's box reaches below its last line: the links lie above every label,
    // so a click anywhere on their text reaches them.
    lblHelp->raise();
    lblURL->raise();
}

void frmAbout::showModal(const frmAboutServices& services) {
    frmAbout dialog(services);
    dialog.exec();
}

void frmAbout::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the window that opened it.
    if (QScreen* screen = this->screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(),
                                 screen->availableGeometry())
                 .topLeft());
    QDialog::showEvent(event);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // OK is also the Cancel button: Escape presses it.
    if (event->matches(QKeySequence::Cancel)) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    // The lines belong to the client area, which an own title bar moves down.
    painter.translate(contentsRect().topLeft());
    for (const AboutLine& line : kAboutDialogLines) {
        const int left = twipsToPixels(line.left);
        painter.fillRect(left, twipsToPixels(line.y), twipsToPixels(line.right) - left + 1,
                         line.width, QColor::fromRgb(line.rgb));
    }
}

void frmAbout::Form_Load() {
    const QString title = QString::fromUtf8(runtime::app::kTitle);
    setWindowTitle(QCoreApplication::translate("frmAbout", "About %1").arg(title));
    lblVersion->setText(QCoreApplication::translate("frmAbout", "Version %1.%2.%3")
                            .arg(runtime::app::kMajor)
                            .arg(runtime::app::kMinor)
                            .arg(runtime::app::kRevision));
    lblTitle->setText(title);
    // Auto-sized labels follow their new captions.
    lblVersion->adjustSize();
    lblTitle->adjustSize();
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    platform::StartSysInfo(services_.platform, [this](const QString& text, int style) {
        services_.boxes.MsgBox(text, style);
    });
}

void frmAbout::lblHelp_Click() {
    openWebLink(services_.platform, services_.boxes, QString(lblHelp->text()));
}

void frmAbout::lblURL_Click() {
    openWebLink(services_.platform, services_.boxes, QString(lblURL->text()));
}

} // namespace ui
