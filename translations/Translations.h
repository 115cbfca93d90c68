#pragma once

#include <QList>
#include <QLocale>

class QCoreApplication;
class QTranslator;

// Installs the program's catalogue and Qt's own one for the locale's language, and returns the
// translators installed (owned by the application). English (and the C locale) has no
// catalogue: the texts in the sources are English.
QList<QTranslator*> installTranslations(QCoreApplication& application, const QLocale& locale);
// The same for the user's language of messages; none where the environment asks for the C
// locale, as the C library does whatever LANGUAGE says.
QList<QTranslator*> installTranslations(QCoreApplication& application);
