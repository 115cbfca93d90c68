#pragma once

#include "platform/desktop/MessageBoxes.h"

#include <QMessageBox>

#include <memory>

namespace ui {

// Message boxes as application-modal QMessageBox dialogs with one OK button.
class WidgetMessageBoxes final : public platform::MessageBoxes {
public:
    int MsgBox(const QString& prompt, int style = OkOnly, const QString& title = {}) override;

    // The box MsgBox shows: the icon of the style code, the title or the program's title.
    static std::unique_ptr<QMessageBox> build(const QString& prompt, int style,
                                              const QString& title);
};

} // namespace ui
