#pragma once

#include "FormatSections.h"

#include <QStringView>

#include <vector>

namespace runtime::format {

// One unquoted character of a format section, or one quoted or escaped run printed as it is.
struct FormatItem {
    QChar ch;
    QStringView literal;
    bool isLiteral = false;
};

inline std::vector<FormatItem> itemsOf(QStringView section) {
    std::vector<FormatItem> items;
    items.reserve(static_cast<size_t>(section.size()));
    scan(
        section,
        [&](QChar c) {
            items.push_back({c, {}, false});
        },
        [&](QStringView text) {
            items.push_back({{}, text, true});
        });
    return items;
}

// The unquoted character at index i, or a null character.
inline QChar charAt(const std::vector<FormatItem>& items, size_t i) {
    return i < items.size() && !items[i].isLiteral ? items[i].ch : QChar();
}

} // namespace runtime::format
