#pragma once

#include "core/GenerationSettings.h"
#include "ui/main/MainWindowControls.h"
#include "ui/main/frmMainServices.h"

#include <QPointer>
#include <QWidget>

#include <exception>
#include <memory>

namespace ui {

// The main window: the settings of one password, Generate, the output box, and the fade-out
// on Exit. Runs its load handler when constructed and destroys itself when closed; the program
// ends with it. Its controls are members of its own, under their names (Command1, txtPwdLong).
// The handlers are in frmMain.cpp; the key and focus policy, the length check and the fade-out
// each have a file of their own.
class frmMain final : public QWidget, private MainWindowControls {
    Q_OBJECT
public:
    static constexpr qint32 kFadeIntervalMs = 20;
    static constexpr qint32 kFadeStep = 25;

    explicit frmMain(const frmMainServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // The form-level values: the chosen type and case indexes and the window opacity.
    qint16 pwdType() const { return PwdType; }
    qint16 pwdCase() const { return PwdCase; }
    qint32 windowAlpha() const { return WindowAlpha; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    // Enter, access keys and focus moves (frmMainKeys.cpp).
    void watchKeysAndFocus();

    void Form_Load();
    void optPwdTypes_Click(int Index);
    void optAlphaCases_Click(int Index);
    bool txtPwdLong_lostfocus();
    void Label3_Click();
    void txtGeneratedPwd_GotFocus();
    void cmdAbout_Click();
    void lblURL_Click();
    void cmdGenerate_Click();
    void Command1_Click();
    void tmrFadeOut_Timer();

    // Runs one handler; an error that escapes it is reported the way the runtime reports it.
    template <typename Handler> void guard(Handler&& handler) {
        const HandlerScope scope(*this);
        try {
            handler();
        } catch (const std::exception& error) {
            reportUncaughtError(&error);
        } catch (...) {
            reportUncaughtError(nullptr);
        }
    }
    // Counts the handlers on the stack; the window closes only when none is left.
    struct HandlerScope {
        explicit HandlerScope(frmMain& form) : form(form) { ++form.handlersRunning_; }
        ~HandlerScope() { form.leaveHandler(); }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;
        frmMain& form;
    };
    void leaveHandler();
    // Called inside the catch block of guard().
    void reportUncaughtError(const std::exception* error);

    // The length check runs from the event loop once the focus has left the length box. A
    // button pressed before it ran settles it first; when the check had to show its message
    // box, the press is spent on that box (false).
    bool settleLengthCheck();
    void runLengthCheckWhenIdle();
    void setFormEnabled(bool enabled);
    void Unload();

    frmMainServices services_;
    std::unique_ptr<platform::WindowOpacity> ownOpacity_;
    // Generate's default look follows the application's focus; the watch ends with the window
    // itself, before its widgets go (their hiding moves the focus too).
    QMetaObject::Connection focusWatch_;
    platform::WindowOpacity* opacity_ = nullptr;

    core::PasswordType PwdType = core::AlphabetsOnly;
    core::PasswordCase PwdCase = core::LowerCases;
    qint32 WindowAlpha = 0;

    // From disabling the window for a composition until it is enabled again: focus changes
    // in that span are the toolkit's doing, not the user's.
    bool busy_ = false;
    QPointer<QWidget> focusBeforeBusy_;
    bool closeWhenIdle_ = false;
    int handlersRunning_ = 0;
    bool lengthCheckPending_ = false;
};

} // namespace ui
