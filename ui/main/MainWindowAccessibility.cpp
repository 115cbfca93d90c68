#include "ui/main/MainWindowAccessibility.h"

#include "ui/main/MainWindowControls.h"

#include <QCoreApplication>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {
namespace {

// A text box named by its label, which becomes its buddy: the two are announced together.
void labelBox(QLabel* label, QLineEdit* box) {
    label->setBuddy(box);
    box->setAccessibleName(label->text());
    box->setAccessibleDescription(box->toolTip());
}

void describeOptions(const QButtonGroup* group, const QString& description) {
    for (QAbstractButton* option : group->buttons())
        option->setAccessibleDescription(description);
}

} // namespace

void applyMainWindowAccessibility(const MainWindowControls& controls) {
    labelBox(controls.lblMasks, controls.txtMasks);
    labelBox(controls.Label1, controls.txtPwdLong);
    labelBox(controls.lblPrefix, controls.txtprefix);
    labelBox(controls.lblSuffix, controls.txtSuffix);

    QLineEdit* output = controls.txtGeneratedPwd;
    output->setAccessibleName(output->toolTip());
    output->setAccessibleDescription(QCoreApplication::translate(
        "frmMain", "The password made by Generate; read only, select it and copy it"));

    describeOptions(controls.optPwdTypes,
                    QCoreApplication::translate("frmMain", "Characters of the password"));
    describeOptions(controls.optAlphaCases,
                    QCoreApplication::translate("frmMain", "Letter case of the password"));
    controls.frPwdCase->setAccessibleDescription(
        QCoreApplication::translate("frmMain", "Letter case of the password"));
}

} // namespace ui
