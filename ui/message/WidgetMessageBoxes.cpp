#include "ui/message/WidgetMessageBoxes.h"

#include "platform/runtime/AppInfo.h"
#include "ui/widgets/ProgramIcon.h"

#include <QLabel>
#include <QRegularExpression>

#include <algorithm>

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

// A web address in a prompt begins a line of its own (the space before it becomes a line break),
// so that the box's word wrapping never breaks it; widest becomes the width of the widest.
QString addressesOnLinesOfTheirOwn(const QString& prompt, const QFontMetrics& metrics,
                                   int& widest) {
    static const QRegularExpression address(QStringLiteral("[a-z][a-z0-9+.-]*://\\S+"));
    QString shown = prompt;
    for (auto matches = address.globalMatch(prompt); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        widest = std::max(widest, metrics.horizontalAdvance(match.captured()));
        const qsizetype before = match.capturedStart() - 1;
        if (before >= 0 && (shown[before] == u' ' || shown[before] == QChar::Nbsp))
            shown[before] = u'\n';
    }
    return shown;
}

} // namespace

std::unique_ptr<QMessageBox> WidgetMessageBoxes::build(const QString& prompt, int style,
                                                       const QString& title) {
    auto box = std::make_unique<QMessageBox>(
        iconOf(style), title.isEmpty() ? QString::fromUtf8(runtime::app::kTitle) : title, prompt,
        QMessageBox::Ok);
    box->setWindowIcon(programIcon());
    box->setTextFormat(Qt::PlainText);
    // An address is never broken: it has a line of its own, at least as wide as it is.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        box->setText(addressesOnLinesOfTheirOwn(prompt, label->fontMetrics(), widest));
        if (widest > 0)
            label->setMinimumWidth(widest + 2 * label->margin() + 1);
    }
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
