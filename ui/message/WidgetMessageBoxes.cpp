#include "WidgetMessageBoxes.h"

#include "AppInfo.h"
#include "ProgramIcon.h"

namespace ui {
namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case platform::MessageBoxes::Critical:
        return QMessageBox::Critical;
    case platform::MessageBoxes::Exclamation:
        return QMessageBox::Warning;
    case 32:
        return QMessageBox::Question;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

std::unique_ptr<QMessageBox> WidgetMessageBoxes::build(const QString& prompt, int style,
                                                       const QString& title) {
    auto box = std::make_unique<QMessageBox>(
        iconOf(style), title.isEmpty() ? QString::fromUtf8(runtime::app::kTitle) : title, prompt,
        QMessageBox::Ok);
    box->setWindowIcon(programIcon());
    box->setTextFormat(Qt::PlainText);
    // What a box says can be selected and copied, as on Windows (an address, an error).
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

int WidgetMessageBoxes::MsgBox(const QString& prompt, int style, const QString& title) {
    build(prompt, style, title)->exec();
    return Ok;
}

} // namespace ui
