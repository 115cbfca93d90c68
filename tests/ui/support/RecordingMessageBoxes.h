#pragma once

#include "platform/desktop/MessageBoxes.h"

#include <QList>
#include <QString>

#include <functional>

// Message boxes that answer OK at once and record what they were asked to show. whileShown
// runs where the real box would wait for the user, to look at the program meanwhile.
class RecordingMessageBoxes final : public platform::MessageBoxes {
public:
    struct Box {
        QString prompt;
        int style;
        QString title;
    };

    int MsgBox(const QString& prompt, int style, const QString& title) override {
        shown.append({prompt, style, title});
        if (whileShown)
            whileShown();
        return Ok;
    }

    QList<Box> shown;
    std::function<void()> whileShown;
};
