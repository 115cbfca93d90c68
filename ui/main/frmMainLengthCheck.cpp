// The check of the length box, run once the focus has left it.
#include "ui/main/frmMain.h"

#include "core/GenerationSettings.h"
#include "platform/runtime/Conversions.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>

namespace ui {
namespace {

constexpr int kIdlePollMs = 10;

static_assert(core::kMinimumLength == 4 && core::kMaximumLength == 255,
              "the prompt names the limits");
QString lengthPrompt() {
    return QCoreApplication::translate("frmMain", "Please specify only a number between 4 to 255.");
}
QString lengthTitle() {
    return QCoreApplication::translate("frmMain", "Input error");
}

} // namespace

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

} // namespace ui
