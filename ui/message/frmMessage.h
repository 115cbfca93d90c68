#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace ui {

// The small borderless message window: dark grey, one centred white text, no taskbar button.
// Built fresh for every message by MessageDisplay, which sets its text, size and timer.
class frmMessage final : public QWidget {
    Q_OBJECT
public:
    // Label1: Left 120, Top 120, Width 4740 twips; 195 twips a line of text.
    static constexpr int kLabelLeft = 120, kLabelTop = 120, kLabelWidth = 4740;
    static constexpr int kLineHeight = 195;
    // The window as loaded, before ShowMessage sizes it.
    static constexpr int kLoadedWidth = 5025, kLoadedHeight = 555;

    frmMessage();

    QLabel* Label1() const { return label_; }
    QTimer* Timer1() const { return timer_; }

    // The text of Label1; the label keeps its width and takes the height of the wrapped text.
    void setLabelText(const QString& text);

    // Shows the window, fixed in its size, as owner's (when there is one), never taking the focus:
    // on X11 a window of owner's, kept above it where the program put it; on Wayland, drawn within
    // owner over its middle.
    void showOver(QWidget* owner);

    // Hides the window and destroys it once control is back in the event loop.
    void unload();
    bool isUnloaded() const { return unloaded_; }

private:
    void Timer1_Timer();

    QLabel* label_;
    QTimer* timer_;
    bool unloaded_ = false;
};

} // namespace ui
