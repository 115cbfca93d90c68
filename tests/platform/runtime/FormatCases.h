#pragma once

// Table rows for the format tests: a text, a format and the expected result, in US English.

#include <QLocale>
#include <QString>
#include <QtTest>

#include <span>

struct FormatCase {
    const char* name;
    const char16_t* text;
    const char16_t* format;
    const char16_t* expected;
};

inline void useUsEnglish() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

inline void addFormatRows(std::span<const FormatCase> cases) {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    for (const FormatCase& c : cases) {
        QTest::newRow(c.name) << QString::fromUtf16(c.text) << QString::fromUtf16(c.format)
                              << QString::fromUtf16(c.expected);
    }
}
