#include "AboutWorld.h"
#include "MainWindowWorld.h"
#include "Translations.h"
#include "WebAddresses.h"
#include "WidgetMessageBoxes.h"
#include "frmAbout.h"

#include <QGroupBox>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QTranslator>

// The window in each shipped language: every text comes from the catalogue and fits its place.
class TestMainWindowLanguages : public QObject {
    Q_OBJECT

    // The box's tip ends with the help page's address, which is not translated.
    static inline const QString maskTipSource =
        QStringLiteral("Format of the password. More help, see ");

    // Control name (with "#tip" for a tool tip) to its English text.
    QMap<QString, QString> english;

    static QList<QWidget*> controls(QWidget* window) {
        QList<QWidget*> all = window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        all += window->findChild<QGroupBox*>(QStringLiteral("frPwdCase"))
                   ->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        return all;
    }

    static QMap<QString, QString> textsOf(QWidget* window) {
        QMap<QString, QString> texts;
        for (QWidget* control : controls(window)) {
            const QString name = control->objectName();
            if (name == u"lblURL") // the home page's address
                continue;
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                texts[name] = button->text();
            else if (auto* label = qobject_cast<QLabel*>(control))
                texts[name] = label->text();
            else if (auto* frame = qobject_cast<QGroupBox*>(control))
                texts[name] = frame->title();
            if (!control->toolTip().isEmpty())
                texts[name + QStringLiteral("#tip")] = control->toolTip();
        }
        return texts;
    }

    static bool fits(QWidget* control) {
        const QFontMetrics metrics = control->fontMetrics();
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            QStyleOptionButton style;
            style.initFrom(option);
            style.text = option->text();
            const QRect contents =
                option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
            return metrics.horizontalAdvance(option->text().remove(u'&')) <= contents.width();
        }
        if (auto* button = qobject_cast<QPushButton*>(control))
            return metrics.horizontalAdvance(button->text().remove(u'&')) + 10 <= button->width();
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            return metrics.horizontalAdvance(frame->title()) + 16 <= frame->width();
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->wordWrap())
                return label->heightForWidth(label->width()) <= label->height();
            return label->sizeHint().width() <= label->width();
        }
        return true;
    }

    static QList<QTranslator*> install(const QString& locale) {
        return installTranslations(*qApp, QLocale(locale));
    }
    static void uninstall(const QList<QTranslator*>& translators) {
        for (QTranslator* translator : translators) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    static void languages() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::newRow("German") << "de_DE" << true;
        QTest::newRow("French") << "fr_FR" << true;
        QTest::newRow("Spanish") << "es_ES" << true;
        QTest::newRow("English stays as it is") << "en_US" << false;
        QTest::newRow("C stays as it is") << "C" << false;
    }

    // The About dialog's help link continues its first text, after the text's last word.
    static bool continuesText(const QWidget* link, const QWidget* text) {
        return link->objectName() == u"lblHelp" && text->objectName() == u"Label1";
    }

    // Controls that do not fit, lie outside the dialog or overlap a neighbour.
    static QStringList misplaced(QWidget* dialog, const QList<QWidget*>& all) {
        QStringList faults;
        for (QWidget* control : all) {
            if (!control->isVisibleTo(dialog))
                continue;
            if (!fits(control))
                faults << control->objectName() + QStringLiteral(" is clipped");
            if (control->parentWidget() != dialog)
                continue;
            if (!dialog->rect().contains(control->geometry()))
                faults << control->objectName() + QStringLiteral(" runs past the window");
            for (QWidget* other : all)
                if (other != control && other->parentWidget() == dialog &&
                    !continuesText(control, other) && !continuesText(other, control) &&
                    other->isVisibleTo(dialog) && control->geometry().intersects(other->geometry()))
                    faults << control->objectName() + QStringLiteral(" overlaps ") +
                                  other->objectName();
        }
        return faults;
    }

    // Access keys used twice among a window's controls.
    static QStringList repeatedAccessKeys(QWidget* window) {
        QMap<QString, QString> owners;
        QStringList faults;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                text = button->text();
            else if (auto* frame = qobject_cast<QGroupBox*>(control))
                text = frame->title();
            else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
                text = label->text();
            const QString key = QKeySequence::mnemonic(text).toString();
            if (key.isEmpty() || !control->isVisibleTo(window))
                continue;
            if (owners.contains(key))
                faults << key + QStringLiteral(": ") + owners[key] + QStringLiteral(", ") + text;
            owners[key] = text;
        }
        return faults;
    }

    // The lines a word-wrapped label shows.
    static QStringList wrappedLines(const QLabel* label) {
        QStringList lines;
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        for (const QString& paragraph : label->text().split(u'\n')) {
            QTextLayout layout(paragraph, label->font());
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(label->contentsRect().width() - 2 * label->margin());
                lines << paragraph.mid(line.textStart(), line.textLength());
            }
            layout.endLayout();
        }
        return lines;
    }

private slots:
    void initTestCase() {
        MainWindowWorld world;
        world.open();
        english = textsOf(world.window);
        QVERIFY(english.size() > 20);
    }

    void everyTextIsTranslatedAndFits_data() { languages(); }
    void everyTextIsTranslatedAndFits() {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        const QList<QTranslator*> translators = install(locale);
        const auto removeTranslators = qScopeGuard([&] { uninstall(translators); });
        // The program's catalogue and Qt's own one, or none at all.
        QCOMPARE(translators.size(), translated ? 2 : 0);

        MainWindowWorld world;
        world.open();
        const QMap<QString, QString> shown = textsOf(world.window);
        QCOMPARE(shown.keys(), english.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QString& text = shown[it.key()];
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(it.key()));
            if (!translated) {
                QCOMPARE(text, it.value());
                continue;
            }
            QString source = it.value();
            QString tail;
            if (source.startsWith(maskTipSource)) {
                tail = source.mid(maskTipSource.size());
                source = maskTipSource;
            }
            const QString catalogued =
                translators.first()->translate("frmMain", source.toUtf8().constData());
            QVERIFY2(!catalogued.isEmpty(), qPrintable(it.key() + ": " + source));
            QCOMPARE(text, catalogued + tail);
        }

        const QStringList faults = misplaced(world.window, controls(world.window));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
    }

    // No access key is used twice in a window: each presses one control.
    void accessKeysAreUnique_data() { languages(); }
    void accessKeysAreUnique() {
        QFETCH(QString, locale);
        const QList<QTranslator*> translators = install(locale);
        const auto removeTranslators = qScopeGuard([&] { uninstall(translators); });
        MainWindowWorld world;
        world.open();
        QStringList faults = repeatedAccessKeys(world.window);
        AboutWorld aboutWorld;
        ui::frmAbout dialog(aboutWorld.services);
        dialog.show();
        faults += repeatedAccessKeys(&dialog);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
    }

    // The box that says System Info cannot start speaks the language too.
    void systemInfoMessageIsTranslated_data() { languages(); }
    void systemInfoMessageIsTranslated() {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        const QList<QTranslator*> translators = install(locale);
        const auto removeTranslators = qScopeGuard([&] { uninstall(translators); });
        AboutWorld world; // no tool registered
        ui::frmAbout dialog(world.services);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(world.boxes.shown.size(), 1);
        QCOMPARE(world.boxes.shown[0].prompt ==
                     QStringLiteral("System Information Is Unavailable At This Time"),
                 !translated);
    }

    // A message box never breaks an address, nor starts a line with a colon.
    void addressesInBoxesAreWhole_data() { languages(); }
    void addressesInBoxesAreWhole() {
        QFETCH(QString, locale);
        const QList<QTranslator*> translators = install(locale);
        const auto removeTranslators = qScopeGuard([&] { uninstall(translators); });
        const QString address = ui::helpPageAddress();
        const auto box = ui::WidgetMessageBoxes::build(
            QCoreApplication::translate(
                "frmMain", "An internal error has occurred during the generating of your "
                           "password. Please make sure the inputs you have entered is valid. "
                           "For more help, visit: ") +
                address,
            platform::MessageBoxes::Exclamation, QString());
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QStringList lines =
            wrappedLines(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
        QVERIFY2(std::any_of(lines.cbegin(), lines.cend(),
                             [&](const QString& line) { return line.contains(address); }),
                 qPrintable(lines.join(u'|')));
        for (const QString& line : lines)
            QVERIFY2(!line.trimmed().startsWith(u':'), qPrintable(line));
    }

    // The About dialog's buttons and texts fit too.
    void aboutDialogFits_data() { languages(); }
    void aboutDialogFits() {
        QFETCH(QString, locale);
        const QList<QTranslator*> translators = install(locale);
        const auto removeTranslators = qScopeGuard([&] { uninstall(translators); });
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QStringList faults = misplaced(
            &dialog, dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
    }
};

QTEST_MAIN(TestMainWindowLanguages)
#include "tst_mainwindowlanguages.moc"
