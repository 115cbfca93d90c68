#include "ui/message/MessageDisplay.h"

#include "ui/message/frmMessage.h"
#include "ui/widgets/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace ui {
namespace {

// The window the message belongs to: the active one (a box's owner rather than the box, which
// stays above the message), or else the first top-level window shown that is not a box, another
// message, a popup or a tooltip.
QWidget* ownerWindow() {
    QWidget* active = QApplication::activeWindow();
    while (active && active->isModal())
        active = active->parentWidget() ? active->parentWidget()->window() : nullptr;
    if (active)
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && !widget->isModal() && type != Qt::ToolTip && type != Qt::Popup &&
            !qobject_cast<frmMessage*>(widget))
            return widget;
    }
    return nullptr;
}

} // namespace

MessageDisplay::~MessageDisplay() {
    delete window_.data();
}

void MessageDisplay::ShowMessage(const QString& text, qint32 delayMs) {
    unload();
    auto* window = new frmMessage;
    window_ = window;
    if (delayMs > 0) {
        window->Timer1()->setInterval(delayMs);
        window->Timer1()->start();
    }
    window->setLabelText(text);
    // The window has no border: the label and a margin of 120 twips on every side.
    const int margin = 2 * twipsToPixels(frmMessage::kLabelLeft);
    window->resize(window->Label1()->width() + margin, window->Label1()->height() + margin);
    if (text.isEmpty()) {
        // An empty message never reaches the screen.
        unload();
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
    // Shown from the event loop, like any window the loop paints: a message closed before the
    // loop runs again (the one at start-up) never costs a native window.
    QMetaObject::invokeMethod(
        window,
        [window] {
            if (window->isUnloaded())
                return;
            window->showOver(ownerWindow());
            // First shown inside a box's loop (a task that failed before it let the loop run):
            // the box stays above the message.
            if (QWidget* box = QApplication::activeModalWidget())
                box->raise();
        },
        Qt::QueuedConnection);
}

void MessageDisplay::CloseMessage() {
    unload();
}

frmMessage* MessageDisplay::current() const {
    return window_ && !window_->isUnloaded() ? window_.data() : nullptr;
}

void MessageDisplay::unload() {
    if (window_)
        window_->unload();
    window_ = nullptr;
}

} // namespace ui
