// Exit's fade-out and the closing of the window, which waits for the handlers on the stack.
#include "ui/main/frmMain.h"

#include "platform/runtime/CheckedArithmetic.h"

#include <QCloseEvent>
#include <QTimer>

namespace ui {

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
