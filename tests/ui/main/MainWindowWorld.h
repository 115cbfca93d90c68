#pragma once

#include "platform/desktop/OverrideBusyPointer.h"
#include "tests/ui/main/ProbedRandomSource.h"
#include "tests/ui/support/RecordingMessageBoxes.h"
#include "tests/ui/support/RecordingWindowOpacity.h"
#include "ui/main/frmMain.h"
#include "ui/message/MessageDisplay.h"
#include "ui/message/frmMessage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// One main window with doubles for the message boxes, the opacity and the random draws, and
// the real message window and busy pointer.
struct MainWindowWorld {
    RecordingMessageBoxes boxes;
    platform::OverrideBusyPointer pointer;
    ui::MessageDisplay messages;
    ProbedRandomSource random;
    RecordingWindowOpacity opacity;
    int randomizeCalls = 0;
    std::function<void()> duringRandomize;
    QStringList aboutShown;
    // Runs where the About dialog would wait for the user.
    std::function<void()> whileAboutShown;
    QStringList addressesOpened;
    // Errors that escaped a handler: the run-time error number, or "other".
    QStringList uncaughtErrors;
    QPointer<ui::frmMain> window;

    MainWindowWorld() { QApplication::setQuitOnLastWindowClosed(false); }
    ~MainWindowWorld() {
        delete window.data();
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    // Loads the window; shown and active unless told otherwise.
    void open(bool show = true, bool withHooks = true) {
        ui::frmMainServices services(boxes, pointer, messages, random);
        services.randomize = [this] {
            ++randomizeCalls;
            if (duringRandomize)
                duringRandomize();
        };
        services.opacity = &opacity;
        services.reportUncaughtError = [this](const std::exception* error) {
            const auto* runtimeError = dynamic_cast<const runtime::RuntimeError*>(error);
            uncaughtErrors << (runtimeError ? QString::number(runtimeError->number())
                                            : QStringLiteral("other"));
        };
        if (withHooks) {
            services.showAbout = [this] {
                aboutShown << QStringLiteral("About");
                if (whileAboutShown)
                    whileAboutShown();
            };
            services.openWebAddress = [this](const QString& address) {
                addressesOpened << address;
            };
        }
        window = new ui::frmMain(services);
        if (show) {
            window->show();
            QVERIFY(QTest::qWaitForWindowActive(window));
        }
    }

    template <typename T> T* find(const QString& name) const {
        T* control = window->findChild<T*>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(QLatin1String(name)); }
    QPushButton* button(const char* name) const { return find<QPushButton>(QLatin1String(name)); }
    QRadioButton* option(const QString& name) const { return find<QRadioButton>(name); }
    QLabel* label(const char* name) const { return find<QLabel>(QLatin1String(name)); }

    // Keys go where the user's keys go: to the widget with the focus in the main window. The
    // offscreen platform activates every window it shows, the message window too, and leaves
    // none active when it goes; a desktop keeps the main window active.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        if (window && !window->isActiveWindow()) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
        }
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key, modifiers);
    }

    // The control with the focus in the main window (the window may not be the active one).
    QString focusName() const {
        QWidget* focus = window->focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }

    static int visibleMessageWindows() {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += qobject_cast<ui::frmMessage*>(widget) && widget->isVisible() ? 1 : 0;
        return count;
    }

    // A draw that makes RandomBetween(upper, lower) give wanted.
    static float drawFor(int wanted, int upper, int lower) {
        return (float(wanted - lower) + 0.5f) / float(upper - lower + 1);
    }
};
