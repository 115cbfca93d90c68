#pragma once

#include <QString>

namespace platform {

// The runtime's MsgBox: a modal box with a prompt, a style code and a title. Only the styles the
// program uses exist; the answer is the runtime's code of the button pressed (1, OK).
class MessageBoxes {
public:
    enum Style : int {
        OkOnly = 0,
        Critical = 16,    // OK with the stop icon
        Exclamation = 48, // OK with the exclamation-mark icon
    };
    enum Answer : int { Ok = 1 };

    virtual ~MessageBoxes() = default;
    // Without a title the box shows the program's title.
    virtual int MsgBox(const QString& prompt, int style = OkOnly, const QString& title = {}) = 0;
};

} // namespace platform
