#include "ui/about/AboutDialogLayout.h"

#include "ui/about/AboutDialogControls.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <map>

namespace ui {
namespace {

using C = AboutDialogControls;

template <auto member> QWidget* control(const C& controls) {
    return controls.*member;
}

} // namespace

// clang-format off
const std::array<AboutPlacement, 8> kAboutDialogLayout = {{
    // Control      Left  Top   Width Height Tab Control reference         Sizing
    {"cmdOK",       2940, 2235, 1260, 345,   0, control<&C::cmdOK>},
    {"cmdSysInfo",  4320, 2235, 1245, 345,   1, control<&C::cmdSysInfo>},
    {"Label2",       360, 1470, 5205, 390,   7, control<&C::Label2>,     AboutPlacement::WrapToWidth},
    {"lblHelp",     1365, 1185, 2730, 195,   6, control<&C::lblHelp>,    AboutPlacement::FitText, 0, &C::Label1},
    {"Label1",       360,  795, 5205, 585,   5, control<&C::Label1>,     AboutPlacement::WrapToWidth},
    {"lblURL",        75, 2355, 2370, 195,   4, control<&C::lblURL>,     AboutPlacement::FitText, 2865}, // left of OK
    {"lblTitle",     165,  210, 1830, 270,   2, control<&C::lblTitle>,   AboutPlacement::FitText},
    {"lblVersion",   210,  480,  525, 195,   3, control<&C::lblVersion>, AboutPlacement::FitText},
}};

const std::array<AboutLine, 2> kAboutDialogLines = {{
    // Line1    Left  Y     Right Width Colour
    /* (1) */ {   90, 2055, 5654, 1,    0x808080},  // grey, above
    /* (0) */ {  105, 2070, 5654, 2,    0xFFFFFF},  // white, wider
}};
// clang-format on

namespace {
// Where the last line of a word-wrapped label's text ends, in the label's parent.
QRect lastLine(const QLabel& label) {
    QTextLayout layout(label.text(), label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QRectF last;
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.width());
        line.setPosition({0, top});
        last = line.naturalTextRect();
        top += line.height();
    }
    layout.endLayout();
    return last.toAlignedRect().translated(label.pos());
}

// Moves text to the right of the last line of label when the two would meet.
void follow(QRect& text, const QLabel& label) {
    const QRect line = lastLine(label);
    const int space = label.fontMetrics().horizontalAdvance(u' ');
    if (line.top() < text.bottom() && text.top() < line.bottom() &&
        text.left() < line.right() + space)
        text.moveLeft(line.right() + space);
}
} // namespace

void applyAboutDialogLayout(QWidget& dialog, const AboutDialogControls& controls) {
    dialog.setFixedSize(twipsToPixels(kAboutClientWidth), twipsToPixels(kAboutClientHeight));
    std::map<int, QWidget*> tabOrder;
    for (const AboutPlacement& row : kAboutDialogLayout) {
        QWidget* widget = row.control(controls);
        Q_ASSERT(widget->objectName() == QLatin1String(row.name));
        QRect geometry = twipsToRect(row.left, row.top, row.width, row.height);
        if (row.sizing == AboutPlacement::FitText) {
            geometry.setSize(widget->sizeHint());
            if (row.maxRight != 0)
                geometry.setWidth(
                    std::min(geometry.width(), twipsToPixels(row.maxRight) - geometry.left()));
        } else if (row.sizing == AboutPlacement::WrapToWidth)
            geometry.setHeight(widget->heightForWidth(geometry.width()));
        widget->setGeometry(geometry);
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace(row.tabIndex, widget);
    }
    // Once every label has its place and width.
    for (const AboutPlacement& row : kAboutDialogLayout) {
        if (row.follows == nullptr)
            continue;
        QWidget* widget = row.control(controls);
        QRect geometry = widget->geometry();
        follow(geometry, *(controls.*row.follows));
        widget->setGeometry(geometry);
    }
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, widget] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace ui
