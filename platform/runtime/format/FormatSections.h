#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Splitting and scanning of format texts, shared by the text, number and date formats.
namespace runtime::format {

// The first `limit` sections of a format text, split at each ";" that is neither quoted nor
// escaped; the text after the last of them is not looked at. An unterminated quote runs to the
// end of the text.
QList<QStringView> splitSections(QStringView format, qsizetype limit);

constexpr int kMaxNumberSections = 4;

// The section of a numeric or date format that formats a value, and whether a leading minus goes
// before what it makes.
struct ChosenSection {
    QStringView section;
    bool leadingMinus = false;
};

// Positive; negative; zero; Null. An empty or missing section borrows the first, and a negative
// value formatted by the first section gets a leading minus.
ChosenSection chooseSection(QStringView format, double value);

// True when the format holds a text placeholder or flag (@ & < > !) outside quotes and escapes.
bool isTextFormat(QStringView format);

// Calls onLiteral(text) for quoted and escaped text and onChar(c) for every other character,
// in order.
template <typename OnChar, typename OnLiteral>
void scan(QStringView section, OnChar onChar, OnLiteral onLiteral) {
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == u'\\') {
            if (i + 1 < section.size())
                onLiteral(section.mid(++i, 1));
        } else if (c == u'"') {
            qsizetype close = section.indexOf(u'"', i + 1);
            if (close < 0)
                close = section.size();
            onLiteral(section.mid(i + 1, close - i - 1));
            i = close;
        } else {
            onChar(c);
        }
    }
}

} // namespace runtime::format
