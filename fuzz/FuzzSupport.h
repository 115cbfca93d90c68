#pragma once

#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

// Stops the run on a broken property; the fuzzer keeps the input that did it.
inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken property: %s\n", what);
        std::abort();
    }
}

// A handful of locales with different separators, names and orders.
inline QLocale localeFor(unsigned selector) {
    switch (selector % 4) {
    case 1:
        return QLocale(QLocale::German, QLocale::Germany);
    case 2:
        return QLocale(QLocale::French, QLocale::France);
    case 3:
        return QLocale(QLocale::Japanese, QLocale::Japan);
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

} // namespace fuzz
