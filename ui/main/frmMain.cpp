#include "ui/main/frmMain.h"

#include "core/ComposePassword.h"
#include "core/GenerationSettings.h"
#include "platform/runtime/AppInfo.h"
#include "platform/runtime/CheckedArithmetic.h"
#include "platform/runtime/StringOps.h"
#include "ui/main/MainWindowAccessibility.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/main/ProcessEventsYield.h"
#include "ui/main/WidgetWindowOpacity.h"
#include "ui/message/MessageDisplay.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/ProgramFont.h"
#include "ui/widgets/ProgramIcon.h"
#include "ui/widgets/WebAddresses.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace ui {
namespace {

QString loadingMessage() {
    return QCoreApplication::translate("frmMain", "Please wait while loading ...");
}
QString generatingMessage() {
    return QCoreApplication::translate("frmMain",
                                       "Please wait while generating your random password...");
}
QString internalErrorTitle() {
    return QCoreApplication::translate("frmMain", "Internal Error");
}

QString internalErrorPrompt() {
    return QCoreApplication::translate(
               "frmMain", "An internal error has occurred during the generating of your "
                          "password. Please make sure the inputs you have entered is valid. "
                          "For more help, visit: ") +
           helpPageAddress();
}

} // namespace

frmMain::frmMain(const frmMainServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      services_(services) {
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(runtime::app::kTitle));
    setWindowIcon(programIcon());
    setFont(programFont(8.25));
    if (services_.opacity) {
        opacity_ = services_.opacity;
    } else {
        ownOpacity_ = std::make_unique<WidgetWindowOpacity>(*this);
        opacity_ = ownOpacity_.get();
    }

    createMainWindowControls(*this, *this);
    tmrFadeOut->setInterval(kFadeIntervalMs);
    applyMainWindowLayout(*this, *this);
    applyMainWindowAccessibility(*this);
    connectHandlers();
    watchKeysAndFocus();
    Form_Load();
    txtMasks->setFocus();
}

frmMain::~frmMain() {
    disconnect(focusWatch_);
}

void frmMain::connectHandlers() {
    // Every handler runs guarded: an error none of them handles is reported from here and never
    // unwinds through the toolkit.
    connect(optPwdTypes, &QButtonGroup::idClicked, this,
            [this](int index) { guard([&] { optPwdTypes_Click(index); }); });
    connect(optAlphaCases, &QButtonGroup::idClicked, this,
            [this](int index) { guard([&] { optAlphaCases_Click(index); }); });
    connect(Label3, &LinkLabel::clicked, this, [this] { guard([&] { Label3_Click(); }); });
    connect(lblURL, &LinkLabel::clicked, this, [this] { guard([&] { lblURL_Click(); }); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] {
        guard([&] {
            if (settleLengthCheck())
                cmdAbout_Click();
        });
    });
    connect(cmdGenerate, &QPushButton::clicked, this, [this] {
        guard([&] {
            if (settleLengthCheck())
                cmdGenerate_Click();
        });
    });
    connect(Command1, &QPushButton::clicked, this, [this] {
        guard([&] {
            if (settleLengthCheck())
                Command1_Click();
        });
    });
    connect(tmrFadeOut, &QTimer::timeout, this, [this] { guard([&] { tmrFadeOut_Timer(); }); });
}

void frmMain::reportUncaughtError(const std::exception* error) {
    if (!services_.reportUncaughtError)
        throw; // on to the application object
    services_.reportUncaughtError(error);
}

void frmMain::Form_Load() {
    services_.messages.ShowMessage(loadingMessage());
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    services_.randomize();
    PwdType = core::AlphabetsAndNumbers;
    PwdCase = core::MixedCases;
    txtPwdLong->setText(QString::number(core::kDefaultLength));
    services_.messages.CloseMessage();
    WindowAlpha = 255;
    opacity_->makeLayered();
    opacity_->setOpacity(runtime::toByte(WindowAlpha));
}

void frmMain::optPwdTypes_Click(int Index) {
    if (optPwdTypes->button(Index)->isChecked())
        PwdType = static_cast<core::PasswordType>(Index);
    frPwdCase->setEnabled(Index != core::NumbersOnly);
}

void frmMain::optAlphaCases_Click(int Index) {
    if (optAlphaCases->button(Index)->isChecked())
        PwdCase = static_cast<core::PasswordCase>(Index);
}

void frmMain::Label3_Click() {
    txtGeneratedPwd->setText(QString());
}

void frmMain::txtGeneratedPwd_GotFocus() {
    txtGeneratedPwd->setSelection(0, static_cast<int>(txtGeneratedPwd->text().size()));
}

void frmMain::cmdAbout_Click() {
    services_.showAbout();
}

void frmMain::lblURL_Click() {
    // The label's address, unchanged.
    services_.openWebAddress(QString(lblURL->text()));
}

void frmMain::cmdGenerate_Click() {
    try {
        services_.messages.ShowMessage(generatingMessage());
        services_.pointer.setMousePointer(platform::BusyPointer::Hourglass);
        setFormEnabled(false);
        const core::GenerationSettings settings{
            .lengthText = txtPwdLong->text(),
            .type = PwdType,
            .pwdCase = PwdCase,
            .prefix = txtprefix->text(),
            .suffix = txtSuffix->text(),
            .mask = txtMasks->text(),
        };
        ProcessEventsYield yield;
        QString password = core::ComposePassword(settings, services_.random, yield);
        setFormEnabled(true);
        services_.pointer.setMousePointer(platform::BusyPointer::Default);
        txtGeneratedPwd->setText(password);
        // This copy is wiped. The box keeps copies of its own, which Qt frees without wiping
        // when its text changes (Clear, the next Generate).
        runtime::wipe(password);
        services_.messages.CloseMessage();
    } catch (...) {
        // Every failure, whatever its cause (memory too), ends in the one message.
        setFormEnabled(true);
        services_.pointer.setMousePointer(platform::BusyPointer::Default);
        services_.boxes.MsgBox(internalErrorPrompt(), platform::MessageBoxes::Exclamation,
                               internalErrorTitle());
        // The wait message stays up until the box has been closed.
        services_.messages.CloseMessage();
    }
}

void frmMain::setFormEnabled(bool enabled) {
    if (!enabled) {
        if (!busy_)
            focusBeforeBusy_ = focusWidget();
        busy_ = true;
        setEnabled(false);
        return;
    }
    setEnabled(true);
    // Disabling took the focus away; it goes back where the user left it.
    if (focusBeforeBusy_ && !focusWidget())
        focusBeforeBusy_->setFocus(Qt::OtherFocusReason);
    focusBeforeBusy_ = nullptr;
    busy_ = false;
}

} // namespace ui
