#include "translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
QTranslator* install(QCoreApplication& application, const QLocale& locale, const QString& name,
                     const QString& directory) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), directory) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}
} // namespace

QList<QTranslator*> installTranslations(QCoreApplication& application, const QLocale& locale) {
    QList<QTranslator*> installed;
    const QStringList languages = locale.uiLanguages();
    if (locale.language() == QLocale::C || languages.isEmpty() ||
        QLocale(languages.first()).language() == QLocale::English)
        return installed;
    // The program's own catalogue is embedded; Qt's (standard buttons, context menus, the
    // command line's help) comes with Qt's translations package, when installed.
    for (QTranslator* translator :
         {install(application, locale, QStringLiteral("keywright"), QStringLiteral(":/i18n")),
          install(application, locale, QStringLiteral("qtbase"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))})
        if (translator)
            installed << translator;
    return installed;
}

QList<QTranslator*> installTranslations(QCoreApplication& application) {
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    if (messages.isEmpty() || messages == "C" || messages.startsWith("C.") || messages == "POSIX")
        return {};
    return installTranslations(application, QLocale());
}
