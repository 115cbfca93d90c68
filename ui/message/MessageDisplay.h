#pragma once

#include <QPointer>
#include <QString>
#include <QtGlobal>

namespace ui {

class frmMessage;

// ShowMessage and CloseMessage: at most one message window at a time, a fresh one for every
// message.
class MessageDisplay {
public:
    MessageDisplay() = default;
    ~MessageDisplay();
    MessageDisplay(const MessageDisplay&) = delete;
    MessageDisplay& operator=(const MessageDisplay&) = delete;

    // Replaces any earlier message window with one showing text, centred on the screen; with a
    // positive delay in milliseconds the window closes itself after it. Returns at once; the
    // window appears when the event loop next runs (a long task lets it run, see
    // ProcessEventsYield). The empty text leaves no window.
    void ShowMessage(const QString& text, qint32 delayMs = 0);
    // Takes the message window away; harmless when there is none.
    void CloseMessage();

    // The message window on screen, or null.
    frmMessage* current() const;

private:
    void unload();

    QPointer<frmMessage> window_;
};

} // namespace ui
