// Copying the password from the main window's output box: the clipboard gets the selected text
// and the hint that keeps it out of clipboard managers' history; nothing else about the box
// changes.

#include "tests/ui/main/MainWindowWorld.h"
#include "ui/main/SecretCopy.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

namespace {

const QString kPassword = QStringLiteral("k3Yw9R");
const QString kHint = QString::fromLatin1(ui::SecretCopy::kHintFormat);

// What lay on the clipboard before the test copies.
void putPlainText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

// The entry of an open menu whose caption starts with the given text.
QAction* menuEntry(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions())
        if (action->text().startsWith(caption))
            return action;
    return nullptr;
}

// The context menu that the box opens at its middle.
QMenu* openContextMenu(QLineEdit* box) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    QCoreApplication::sendEvent(box, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The Copy entry of the context menu that the box opens.
QAction* contextMenuCopy(QLineEdit* box) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    menu = menu ? menu : openContextMenu(box);
    return menu ? menuEntry(menu, QStringLiteral("&Copy")) : nullptr;
}

} // namespace

class TestSecretCopy : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowWorld> world;

    QLineEdit* output() const { return world->box("txtGeneratedPwd"); }

    void closePopups() {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

private slots:
    void init() {
        world = std::make_unique<MainWindowWorld>();
        world->open();
        putPlainText(QStringLiteral("before"));
    }
    void cleanup() {
        closePopups();
        world.reset();
    }

    void theHintTravelsWithTheText() {
        std::unique_ptr<QMimeData> data(ui::SecretCopy::secretMimeData(kPassword));
        QCOMPARE(data->text(), kPassword);
        QCOMPARE(data->data(kHint), QByteArray("secret"));
        QVERIFY(data->formats().contains(QStringLiteral("text/plain")));
    }

    // Every way of copying marks the copy; a part of the text copies only that part.
    void copyingMarksTheClipboard_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::newRow("Ctrl+C, all") << "ctrl+c" << 0 << 6;
        QTest::newRow("Ctrl+Insert, all") << "ctrl+insert" << 0 << 6;
        QTest::newRow("menu, all") << "menu" << 0 << 6;
        QTest::newRow("Ctrl+C, part") << "ctrl+c" << 1 << 3;
        QTest::newRow("menu, part") << "menu" << 2 << 4;
        QTest::newRow("menu at once, from another box") << "right-click" << 0 << 6;
    }
    void copyingMarksTheClipboard() {
        QFETCH(QString, way);
        QFETCH(int, start);
        QFETCH(int, length);
        output()->setText(kPassword);
        output()->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        output()->setSelection(start, length);
        if (way == u"right-click") { // the press brings the focus, which selects all, after it
            world->box("txtPwdLong")->setFocus(Qt::OtherFocusReason);
            output()->setFocus(Qt::MouseFocusReason);
            openContextMenu(output());
            QCoreApplication::processEvents();
        }
        if (way == u"ctrl+c") {
            world->key(Qt::Key_C, Qt::ControlModifier);
        } else if (way == u"ctrl+insert") {
            world->key(Qt::Key_Insert, Qt::ControlModifier);
        } else {
            QAction* copy = contextMenuCopy(output());
            QVERIFY2(copy, "the context menu has no Copy entry");
            QVERIFY(copy->isEnabled());
            copy->trigger();
        }
        const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        QVERIFY(data);
        QCOMPARE(data->text(), kPassword.mid(start, length));
        QCOMPARE(data->data(kHint), QByteArray("secret"));
        // Copying takes nothing away from the box.
        QCOMPARE(output()->text(), kPassword);
        QVERIFY(output()->isReadOnly());
    }

    // Without a selection, nothing is copied and the clipboard keeps what it had; the menu's
    // Copy is greyed out as before.
    void nothingSelectedCopiesNothing() {
        output()->setText(kPassword);
        output()->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        output()->deselect();
        world->key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Clipboard),
                 QStringLiteral("before"));
        QAction* copy = contextMenuCopy(output());
        QVERIFY(copy);
        QVERIFY(!copy->isEnabled());
    }

    // The menu keeps its other entries: Select All still selects the whole password, and there
    // is nothing to cut or paste in a locked box.
    void theMenuIsTheBoxsOwn() {
        output()->setText(kPassword);
        output()->deselect();
        QMenu* menu = openContextMenu(output());
        QVERIFY(menu);
        QVERIFY(menuEntry(menu, QStringLiteral("&Copy")));
        QVERIFY(!menuEntry(menu, QStringLiteral("Cu&t")));
        QVERIFY(!menuEntry(menu, QStringLiteral("&Paste")));
        QAction* selectAll = menuEntry(menu, QStringLiteral("Select All"));
        QVERIFY(selectAll);
        selectAll->trigger();
        QCOMPARE(output()->selectedText(), kPassword);
    }

    // Other keys reach the box as before: the copy hint takes only the copy keys.
    void otherKeysAreTheBoxs() {
        output()->setText(kPassword);
        output()->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        output()->deselect();
        world->key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(output()->selectedText(), kPassword);
        world->key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(output()->text(), kPassword);
        QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Clipboard),
                 QStringLiteral("before"));
    }
};

QTEST_MAIN(TestSecretCopy)
#include "tst_secretcopy.moc"
