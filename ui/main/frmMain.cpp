#include "frmMain.h"

#include "CaptionedFrame.h"
#include "CheckedArithmetic.h"
#include "ComposePassword.h"
#include "Conversions.h"
#include "GenerationSettings.h"
#include "LinkLabel.h"
#include "MainWindowAccessibility.h"
#include "MainWindowLayout.h"
#include "MessageDisplay.h"
#include "NamedControls.h"
#include "ProcessEventsYield.h"
#include "ProgramFont.h"
#include "ProgramIcon.h"
#include "RuntimeError.h"
#include "SecretCopy.h"
#include "StringOps.h"
#include "WebAddresses.h"
#include "WidgetWindowOpacity.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QTimer>

#include <limits>

namespace ui {
namespace {

constexpr int kIdlePollMs = 10;

QString loadingMessage() {
    return QCoreApplication::translate("frmMain", "Please wait while loading ...");
}
QString generatingMessage() {
    return QCoreApplication::translate("frmMain",
                                       "Please wait while generating your random password...");
}
static_assert(core::kMinimumLength == 4 && core::kMaximumLength == 255,
              "the prompt names the limits");
QString lengthPrompt() {
    return QCoreApplication::translate("frmMain", "Please specify only a number between 4 to 255.");
}
QString lengthTitle() {
    return QCoreApplication::translate("frmMain", "Input error");
}
QString internalErrorTitle() {
    return QCoreApplication::translate("frmMain", "Internal Error");
}
QString notice() {
    return QCoreApplication::translate(
        "frmMain",
        "Copyright \u00A9 2026 Norvik. Passwords are made on this computer and never stored.");
}

QString internalErrorPrompt() {
    return QCoreApplication::translate(
               "frmMain", "An internal error has occurred during the generating of your "
                          "password. Please make sure the inputs you have entered is valid. "
                          "For more help, visit: ") +
           helpPageAddress();
}

// Focus moves the user made, as opposed to another window or a popup menu taking the focus
// for a while: only these raise GotFocus and LostFocus.
bool isUserFocusMove(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

bool isEnterKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers ignored = Qt::KeypadModifier | Qt::ShiftModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~ignored) == Qt::NoModifier;
}

// Text boxes take any length: the output box holds the longest password with its prefix and
// suffix, where QLineEdit would otherwise cut at 32767 characters.
QLineEdit* newTextBox(QWidget* parent, const char* name, const QString& toolTip) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(toolTip);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

// Enter on a button that has the focus presses that button.
QPushButton* newAutoDefaultButton(QWidget* parent, const char* name, const QString& caption,
                                  const QString& toolTip) {
    QPushButton* button = newButton(parent, name, caption, toolTip);
    button->setAutoDefault(true);
    return button;
}

// The selected option of a group is its only tab stop, as in classic dialogs; the arrow keys
// move within the group.
void keepTabStopOnSelectedOption(QButtonGroup* group) {
    const auto update = [](QAbstractButton* option, bool selected) {
        option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QAbstractButton* option : group->buttons())
        update(option, option->isChecked());
    QObject::connect(group, &QButtonGroup::buttonToggled, group, update);
}

// The buttons of an option group, created in the order index 2, 1, 0.
QButtonGroup* newOptionGroup(QWidget* parent, const char* name,
                             const std::array<QString, 3>& captions) {
    auto* group = new QButtonGroup(parent);
    group->setObjectName(QString::fromLatin1(name));
    for (int index = 2; index >= 0; --index) {
        auto* option = new QRadioButton(captions[static_cast<std::size_t>(index)], parent);
        option->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
        group->addButton(option, index);
    }
    group->button(2)->setChecked(true);
    keepTabStopOnSelectedOption(group);
    return group;
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

    createControls();
    applyMainWindowLayout(*this, *this);
    applyMainWindowAccessibility(*this);
    connectHandlers();
    Form_Load();
    txtMasks->setFocus();
}

frmMain::~frmMain() {
    disconnect(focusWatch_);
}

void frmMain::createControls() {
    Command1 = newAutoDefaultButton(
        this, "Command1", QCoreApplication::translate("frmMain", "&Exit"),
        QCoreApplication::translate("frmMain", "Exit Norvik Password Generator"));
    tmrFadeOut = new QTimer(this);
    tmrFadeOut->setObjectName(QStringLiteral("tmrFadeOut"));
    tmrFadeOut->setInterval(kFadeIntervalMs);
    cmdAbout = newAutoDefaultButton(
        this, "cmdAbout", QCoreApplication::translate("frmMain", "&About"),
        QCoreApplication::translate("frmMain", "About Norvik Password Generator"));

    txtGeneratedPwd = newTextBox(this, "txtGeneratedPwd",
                                 QCoreApplication::translate("frmMain", "Generated Password"));
    txtGeneratedPwd->setReadOnly(true);
    txtGeneratedPwd->setAlignment(Qt::AlignCenter);
    // Letters and digits need no shaping; skipping it halves the cost of laying out and painting
    // a long password (text of scripts that need shaping is still shaped).
    QFont outputFont = programFont(9);
    outputFont.setStyleStrategy(QFont::PreferNoShaping);
    txtGeneratedPwd->setFont(outputFont);
    new SecretCopy(txtGeneratedPwd); // a copied password is marked as secret

    frPwdCase = new CaptionedFrame(QCoreApplication::translate("frmMain", "Password case"), this);
    frPwdCase->setObjectName(QStringLiteral("frPwdCase"));
    optAlphaCases = newOptionGroup(frPwdCase, "optAlphaCases",
                                   {QCoreApplication::translate("frmMain", "Lower cases"),
                                    QCoreApplication::translate("frmMain", "Upper cases"),
                                    QCoreApplication::translate("frmMain", "Mixed cases")});

    txtprefix =
        newTextBox(this, "txtprefix",
                   QCoreApplication::translate("frmMain", "Prefix of the password (Optional)"));
    txtSuffix =
        newTextBox(this, "txtSuffix",
                   QCoreApplication::translate("frmMain", "Suffix of the password (Optional)"));
    optPwdTypes =
        newOptionGroup(this, "optPwdTypes",
                       {QCoreApplication::translate("frmMain", "Alphabets only"),
                        QCoreApplication::translate("frmMain", "Numbers only"),
                        QCoreApplication::translate("frmMain", "Mixes of Alphabets and numbers")});
    txtPwdLong = newTextBox(this, "txtPwdLong",
                            QCoreApplication::translate("frmMain", "Password length (Required)"));
    txtPwdLong->setText(QString::number(core::kDefaultLength));
    txtPwdLong->setAlignment(Qt::AlignCenter);
    txtMasks = newTextBox(
        this, "txtMasks",
        QCoreApplication::translate("frmMain", "Format of the password. More help, see ") +
            helpPageAddress());

    cmdGenerate = newAutoDefaultButton(
        this, "cmdGenerate", QCoreApplication::translate("frmMain", "&Generate"),
        QCoreApplication::translate("frmMain", "Generate a password"));
    cmdGenerate->setDefault(true);

    Label3 = new LinkLabel(QCoreApplication::translate("frmMain", "Clear"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setToolTip(
        QCoreApplication::translate("frmMain", "Clear generated password in the textbox"));
    lblURL = new LinkLabel(homePageAddress(), this);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    lblURL->setToolTip(homePageAddress());

    Label2 = newLabel(this, "Label2", notice());
    Label2->setFont(programFont(6.75));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPrefix = newLabel(this, "lblPrefix", QCoreApplication::translate("frmMain", "Prefix"));
    lblSuffix = newLabel(this, "lblSuffix", QCoreApplication::translate("frmMain", "Suffix"));
    Label1 = newLabel(this, "Label1", QCoreApplication::translate("frmMain", "Password Length"));
    lblMasks = newLabel(this, "lblMasks", QCoreApplication::translate("frmMain", "Password Mask"));
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

    // Generate is the default button: Enter in a text box or on an option presses it.
    for (QLineEdit* box : {txtMasks, txtPwdLong, txtprefix, txtSuffix, txtGeneratedPwd})
        box->installEventFilter(this);
    for (QButtonGroup* group : {optPwdTypes, optAlphaCases}) {
        for (QAbstractButton* option : group->buttons())
            option->installEventFilter(this);
    }
    for (QPushButton* button : {cmdGenerate, cmdAbout, Command1})
        button->installEventFilter(this);

    // Outside a dialog a button clears its own default look when it loses the focus: Generate
    // looks like the default button again whenever the focus is not on another button.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const bool otherButton =
            now != cmdGenerate && now && now->window() == this && qobject_cast<QPushButton*>(now);
        cmdGenerate->setDefault(!otherButton);
    });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Shortcut:
        // An access key takes the focus to its button as a click does, so the length check
        // runs first; when it has to show its box, the press is spent on that box.
        if (auto* button = qobject_cast<QPushButton*>(watched);
            button && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            button->setFocus(Qt::ShortcutFocusReason);
            bool proceed = true;
            guard([&] { proceed = settleLengthCheck(); });
            if (!proceed)
                return true;
        }
        break;
    case QEvent::KeyPress:
        // Enter on a button presses that button.
        if (!qobject_cast<QPushButton*>(watched) && isEnterKey(*static_cast<QKeyEvent*>(event))) {
            cmdGenerate->click();
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (watched == txtPwdLong && !busy_ &&
            isUserFocusMove(static_cast<QFocusEvent*>(event)->reason())) {
            lengthCheckPending_ = true;
            QMetaObject::invokeMethod(
                this, [this] { guard([&] { runLengthCheckWhenIdle(); }); }, Qt::QueuedConnection);
        }
        break;
    case QEvent::FocusIn:
        if (watched == txtGeneratedPwd && !busy_) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // A mouse press places the cursor after the focus arrives: select after it.
            if (reason == Qt::MouseFocusReason)
                QMetaObject::invokeMethod(
                    this, [this] { guard([&] { txtGeneratedPwd_GotFocus(); }); },
                    Qt::QueuedConnection);
            else if (isUserFocusMove(reason))
                guard([&] { txtGeneratedPwd_GotFocus(); });
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
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

bool frmMain::txtPwdLong_lostfocus() {
    QString replacement;
    if (!runtime::IsNumeric(txtPwdLong->text()))
        replacement = QString::number(core::kDefaultLength);
    else if (runtime::CDbl(txtPwdLong->text()) > core::kMaximumLength)
        replacement = QString::number(core::kMaximumLength);
    else if (runtime::CDbl(txtPwdLong->text()) < core::kMinimumLength)
        replacement = QString::number(core::kMinimumLength);
    else
        return false;
    // The corrected text is written once the box has been closed.
    services_.boxes.MsgBox(lengthPrompt(), platform::MessageBoxes::Exclamation, lengthTitle());
    txtPwdLong->setText(replacement);
    return true;
}

void frmMain::runLengthCheckWhenIdle() {
    if (!lengthCheckPending_)
        return;
    // A box shown while a mouse button is held would swallow its release and leave the
    // pressed button down: wait until it is let go (a click on a button settles it sooner).
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(kIdlePollMs, this, [this] { guard([&] { runLengthCheckWhenIdle(); }); });
        return;
    }
    settleLengthCheck();
}

bool frmMain::settleLengthCheck() {
    if (!lengthCheckPending_)
        return true;
    lengthCheckPending_ = false;
    // The window may have been closed since the focus left the box.
    if (!isVisible())
        return true;
    return !txtPwdLong_lostfocus();
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

void frmMain::closeEvent(QCloseEvent* event) {
    // Closed while a password is being made (the window manager can close a disabled window):
    // the window goes as soon as the composition ends, not under its feet.
    if (busy_) {
        closeWhenIdle_ = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
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

void frmMain::leaveHandler() {
    if (--handlersRunning_ == 0 && closeWhenIdle_) {
        closeWhenIdle_ = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void frmMain::Command1_Click() {
    // A second click while fading changes nothing: the running timer is not restarted.
    if (!tmrFadeOut->isActive())
        tmrFadeOut->start();
}

void frmMain::tmrFadeOut_Timer() {
    if (WindowAlpha == 255)
        opacity_->makeLayered();
    WindowAlpha = runtime::checkedSub<qint32>(WindowAlpha, kFadeStep);
    const qint32 applied = WindowAlpha < 0 ? 0 : WindowAlpha;
    opacity_->setOpacity(runtime::toByte(applied));
    if (WindowAlpha < 0)
        Unload();
}

void frmMain::Unload() {
    tmrFadeOut->stop();
    // The tick can run inside another handler's message box or dialog: the window goes once
    // that handler has ended, never from under it.
    if (handlersRunning_ > 1) {
        closeWhenIdle_ = true;
        return;
    }
    close();
}

} // namespace ui
