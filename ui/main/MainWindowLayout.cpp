#include "ui/main/MainWindowLayout.h"

#include "ui/main/MainWindowControls.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Twips.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

using C = MainWindowControls;

template <auto member> QWidget* control(const C& controls) {
    return controls.*member;
}
// The option of a group with the given index, as "group(index)" names it.
template <auto group, int index> QWidget* option(const C& controls) {
    return (controls.*group)->button(index);
}

} // namespace

// clang-format off
const std::array<ControlPlacement, 22> kMainWindowLayout = {{
    // Control            Left  Top   Width Height Tab Control reference              Sizing
    {"Command1",          4725, 3555, 1125, 390,   21, control<&C::Command1>},
    {"cmdAbout",          3480, 3555, 1125, 390,   12, control<&C::cmdAbout>},
    {"txtGeneratedPwd",   3165, 2070, 2715, 315,   11, control<&C::txtGeneratedPwd>},
    {"frPwdCase",           90, 2070, 2970, 1350,  18, control<&C::frPwdCase>},
    {"optAlphaCases(2)",   135,  840, 1290, 255,   10, option<&C::optAlphaCases, 2>},  // in frPwdCase
    {"optAlphaCases(1)",   135,  540, 1665, 255,    9, option<&C::optAlphaCases, 1>},  // in frPwdCase
    {"optAlphaCases(0)",   150,  240, 1680, 255,    8, option<&C::optAlphaCases, 0>},  // in frPwdCase
    {"txtprefix",          150, 1665, 1260, 285,    3, control<&C::txtprefix>},
    {"txtSuffix",         1785, 1650, 1260, 285,    4, control<&C::txtSuffix>},
    {"optPwdTypes(2)",    3120, 1515, 2775, 255,    7, option<&C::optPwdTypes, 2>},
    {"optPwdTypes(1)",    3135, 1215, 1665, 255,    6, option<&C::optPwdTypes, 1>},
    {"optPwdTypes(0)",    3120,  915, 1680, 255,    5, option<&C::optPwdTypes, 0>},
    {"txtPwdLong",         150, 1020,  660, 285,    2, control<&C::txtPwdLong>},
    {"txtMasks",           150,  420, 5745, 285,    1, control<&C::txtMasks>},
    {"cmdGenerate",       4725, 3090, 1125, 390,   13, control<&C::cmdGenerate>},
    {"Label3",            5490, 2385,  375, 195,   20, control<&C::Label3>,           Sizing::FitTextFromRight},
    {"lblURL",            3540,   75, 2370, 195,    0, control<&C::lblURL>,           Sizing::FitTextFromRight},
    {"Label2",              45, 3675, 3435, 330,   19, control<&C::Label2>,           Sizing::WrapToWidth},
    {"lblPrefix",          150, 1410,  420, 195,   17, control<&C::lblPrefix>,        Sizing::FitText},
    {"lblSuffix",         1815, 1410,  420, 195,   16, control<&C::lblSuffix>,        Sizing::FitText},
    {"Label1",             150,  775, 1230, 195,   15, control<&C::Label1>,           Sizing::FitText},
    {"lblMasks",           150,  150, 1095, 195,   14, control<&C::lblMasks>,         Sizing::FitText},
    // tmrFadeOut, a timer, is not visible and has no place.
}};
// clang-format on

namespace {

void place(QWidget& control, const ControlPlacement& row) {
    QRect geometry = twipsToRect(row.left, row.top, row.width, row.height);
    switch (row.sizing) {
    case Sizing::Fixed:
        break;
    case Sizing::FitText:
        geometry.setSize(control.sizeHint());
        break;
    case Sizing::FitTextFromRight: {
        const int right = geometry.right();
        geometry.setSize(control.sizeHint());
        geometry.moveRight(right);
        break;
    }
    case Sizing::WrapToWidth:
        geometry.setHeight(control.heightForWidth(geometry.width()));
        break;
    }
    control.setGeometry(geometry);
}

} // namespace

void applyMainWindowLayout(QWidget& form, const MainWindowControls& controls) {
    form.setFixedSize(twipsToPixels(kMainClientWidth), twipsToPixels(kMainClientHeight));

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlPlacement& row : kMainWindowLayout) {
        QWidget* widget = row.control(controls);
        Q_ASSERT(widget->objectName() == QLatin1String(row.name));
        place(*widget, row);
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(row.tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

} // namespace ui
