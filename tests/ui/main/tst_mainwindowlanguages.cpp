#include "tests/ui/about/AboutWorld.h"
#include "tests/ui/main/MainWindowWorld.h"
#include "translations/Translations.h"
#include "ui/about/frmAbout.h"

#include <QGroupBox>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
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

    // No two captions of a window share an access key.
    static bool accessKeysUnique(const QStringList& captions) {
        QStringList keys;
        for (const QString& caption : captions)
            keys << QKeySequence::mnemonic(caption).toString();
        keys.removeAll(QString());
        return keys.size() == QSet<QString>(keys.cbegin(), keys.cend()).size();
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
            QVERIFY2(!text.contains(u" :"), qPrintable(text)); // French: no break before ":"
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
        QVERIFY(accessKeysUnique(shown.values()));
    }

    // The About dialog's buttons and texts fit too.
    void aboutDialogFits_data() { languages(); }
    void aboutDialogFits() {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        const QList<QTranslator*> translators = install(locale);
        const auto removeTranslators = qScopeGuard([&] { uninstall(translators); });
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QStringList faults = misplaced(
            &dialog, dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
        QStringList captions;
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            captions << button->text();
        QVERIFY(accessKeysUnique(captions));
        // System Info with no tool registered: the box speaks the language too.
        dialog.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
        QVERIFY(world.boxes.shown.size() == 1 &&
                (world.boxes.shown[0].prompt ==
                 u"System Information Is Unavailable At This Time") != translated);
    }
};

QTEST_MAIN(TestMainWindowLanguages)
#include "tst_mainwindowlanguages.moc"
