#include "MainWindowLayout.h"

#include "Twips.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace ui {

// clang-format off
const std::array<ControlPlacement, 22> kMainWindowLayout = {{
    // Control            Left  Top   Width Height TabIndex  Sizing
    {"Command1",          4725, 3555, 1125, 390,   21},
    {"cmdAbout",          3480, 3555, 1125, 390,   12},
    {"txtGeneratedPwd",   3165, 2070, 2715, 315,   11},
    {"frPwdCase",           90, 2070, 2970, 1350,  18},
    {"optAlphaCases(2)",   135,  840, 1290, 255,   10},  // in frPwdCase
    {"optAlphaCases(1)",   135,  540, 1665, 255,    9},  // in frPwdCase
    {"optAlphaCases(0)",   150,  240, 1680, 255,    8},  // in frPwdCase
    {"txtprefix",          150, 1665, 1260, 285,    3},
    {"txtSuffix",         1785, 1650, 1260, 285,    4},
    {"optPwdTypes(2)",    3120, 1515, 2775, 255,    7},
    {"optPwdTypes(1)",    3135, 1215, 1665, 255,    6},
    {"optPwdTypes(0)",    3120,  915, 1680, 255,    5},
    {"txtPwdLong",         150, 1020,  660, 285,    2},
    {"txtMasks",           150,  420, 5745, 285,    1},
    {"cmdGenerate",       4725, 3090, 1125, 390,   13},
    {"Label3",            5490, 2385,  375, 195,   20, Sizing::FitTextFromRight},
    {"lblURL",            3540,   75, 2370, 195,    0, Sizing::FitTextFromRight},
    {"Label2",              45, 3675, 3435, 330,   19, Sizing::WrapToWidth},
    {"lblPrefix",          150, 1410,  420, 195,   17, Sizing::FitText},
    {"lblSuffix",         1815, 1410,  420, 195,   16, Sizing::FitText},
    {"Label1",             150,  775, 1230, 195,   15, Sizing::FitText},
    {"lblMasks",           150,  150, 1095, 195,   14, Sizing::FitText},
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

void applyMainWindowLayout(QWidget& form) {
    form.setFixedSize(twipsToPixels(kMainClientWidth), twipsToPixels(kMainClientHeight));

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlPlacement& row : kMainWindowLayout) {
        auto* control = form.findChild<QWidget*>(QString::fromLatin1(row.name));
        if (!control)
            continue;
        place(*control, row);
        if (control->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(row.tabIndex, control);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

} // namespace ui
