// The main window's key and focus policy: Enter presses Generate, an access key settles the
// length check first, and the focus moves that raise the length check and GotFocus.
#include "ui/main/frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>

namespace ui {
namespace {

// Focus moves the user made, as opposed to another window or a popup menu taking the focus
// for a while: only these raise GotFocus and LostFocus.
bool isUserFocusMove(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

bool isEnterKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers ignored = Qt::KeypadModifier | Qt::ShiftModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~ignored) == Qt::NoModifier;
}

} // namespace

void frmMain::watchKeysAndFocus() {
    // Generate is the default button: Enter in a text box or on an option presses it.
    for (QLineEdit* box : {txtMasks, txtPwdLong, txtprefix, txtSuffix, txtGeneratedPwd})
        box->installEventFilter(this);
    for (QButtonGroup* group : {optPwdTypes, optAlphaCases}) {
        for (QAbstractButton* option : group->buttons())
            option->installEventFilter(this);
    }
    for (QPushButton* button : {cmdGenerate, cmdAbout, Command1})
        button->installEventFilter(this);

    // Outside a dialog a button clears its own default look when it loses the focus: Generate
    // looks like the default button again whenever the focus is not on another button.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const bool otherButton =
            now != cmdGenerate && now && now->window() == this && qobject_cast<QPushButton*>(now);
        cmdGenerate->setDefault(!otherButton);
    });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Shortcut:
        // An access key takes the focus to its button as a click does, so the length check
        // runs first; when it has to show its box, the press is spent on that box.
        if (auto* button = qobject_cast<QPushButton*>(watched);
            button && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            button->setFocus(Qt::ShortcutFocusReason);
            bool proceed = true;
            guard([&] { proceed = settleLengthCheck(); });
            if (!proceed)
                return true;
        }
        break;
    case QEvent::KeyPress:
        // Enter on a button presses that button.
        if (!qobject_cast<QPushButton*>(watched) && isEnterKey(*static_cast<QKeyEvent*>(event))) {
            cmdGenerate->click();
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (watched == txtPwdLong && !busy_ &&
            isUserFocusMove(static_cast<QFocusEvent*>(event)->reason())) {
            lengthCheckPending_ = true;
            QMetaObject::invokeMethod(
                this, [this] { guard([&] { runLengthCheckWhenIdle(); }); }, Qt::QueuedConnection);
        }
        break;
    case QEvent::FocusIn:
        if (watched == txtGeneratedPwd && !busy_) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // A mouse press places the cursor after the focus arrives: select after it.
            if (reason == Qt::MouseFocusReason)
                QMetaObject::invokeMethod(
                    this, [this] { guard([&] { txtGeneratedPwd_GotFocus(); }); },
                    Qt::QueuedConnection);
            else if (isUserFocusMove(reason))
                guard([&] { txtGeneratedPwd_GotFocus(); });
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
