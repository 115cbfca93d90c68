#include "ui/message/WidgetMessageBoxes.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

using platform::MessageBoxes;

class TestWidgetMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void styleCodesGiveIconsAndOneOkButton_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::newRow("0: OK only") << int(MessageBoxes::OkOnly) << int(QMessageBox::NoIcon);
        QTest::newRow("16: stop") << int(MessageBoxes::Critical) << int(QMessageBox::Critical);
        QTest::newRow("48: exclamation")
            << int(MessageBoxes::Exclamation) << int(QMessageBox::Warning);
    }
    void styleCodesGiveIconsAndOneOkButton() {
        QFETCH(int, style);
        QFETCH(int, icon);
        const auto box = ui::WidgetMessageBoxes::build(QStringLiteral("prompt"), style,
                                                       QStringLiteral("Input error"));
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QVERIFY(!box->windowIcon().isNull()); // the program's, not the generic one
    }

    void titleAndPromptAreShownAsGiven_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("own title") << "Internal Error"
                                   << "Internal Error";
        QTest::newRow("no title: the program's") << QString() << "Norvik Password Generator";
    }
    void titleAndPromptAreShownAsGiven() {
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        // Markup in a prompt is shown as typed, not interpreted.
        const QString prompt = QStringLiteral("Run-time error '6':\n\n<b>Overflow</b>");
        const auto box = ui::WidgetMessageBoxes::build(prompt, MessageBoxes::OkOnly, title);
        QCOMPARE(box->windowTitle(), shownTitle);
        QCOMPARE(box->text(), prompt);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        // An address or an error can be copied out of the box.
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QVERIFY(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
        QVERIFY(label->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
    }

    // An address begins a line of its own, at least as wide as it, and is never broken.
    void addressesAreWhole() {
        const QString address = QStringLiteral("https://norvik.example/keywright/help");
        const auto box = ui::WidgetMessageBoxes::build("For more help, visit: " + address, 48, {});
        QCOMPARE(box->text(), "For more help, visit:\n" + address);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label->minimumWidth() > label->fontMetrics().horizontalAdvance(address));
    }
};

QTEST_MAIN(TestWidgetMessageBoxes)
#include "tst_widgetmessageboxes.moc"
