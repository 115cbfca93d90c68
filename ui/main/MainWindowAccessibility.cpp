#include "MainWindowAccessibility.h"

#include <QCoreApplication>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace ui {
namespace {

template <typename T> T* child(QWidget& form, const char* name) {
    T* control = form.findChild<T*>(QLatin1String(name));
    Q_ASSERT_X(control, "applyMainWindowAccessibility", name);
    return control;
}

// A text box named by its label, which becomes its buddy: the two are announced together.
void labelBox(QWidget& form, const char* labelName, const char* boxName) {
    auto* label = child<QLabel>(form, labelName);
    auto* box = child<QLineEdit>(form, boxName);
    label->setBuddy(box);
    box->setAccessibleName(label->text());
    box->setAccessibleDescription(box->toolTip());
}

void describeOptions(QWidget& form, const char* group, const QString& description) {
    for (int index = 0; index <= 2; ++index) {
        const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index);
        auto* option = form.findChild<QAbstractButton*>(name);
        Q_ASSERT_X(option, "applyMainWindowAccessibility", qPrintable(name));
        option->setAccessibleDescription(description);
    }
}

} // namespace

void applyMainWindowAccessibility(QWidget& form) {
    labelBox(form, "lblMasks", "txtMasks");
    labelBox(form, "Label1", "txtPwdLong");
    labelBox(form, "lblPrefix", "txtprefix");
    labelBox(form, "lblSuffix", "txtSuffix");

    auto* output = child<QLineEdit>(form, "txtGeneratedPwd");
    output->setAccessibleName(output->toolTip());
    output->setAccessibleDescription(QCoreApplication::translate(
        "frmMain", "The password made by Generate; read only, select it and copy it"));

    describeOptions(form, "optPwdTypes",
                    QCoreApplication::translate("frmMain", "Characters of the password"));
    describeOptions(form, "optAlphaCases",
                    QCoreApplication::translate("frmMain", "Letter case of the password"));
    child<QWidget>(form, "frPwdCase")
        ->setAccessibleDescription(
            QCoreApplication::translate("frmMain", "Letter case of the password"));
}

} // namespace ui
