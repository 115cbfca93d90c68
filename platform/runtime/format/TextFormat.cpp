#include "platform/runtime/format/TextFormat.h"

#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/FormatSections.h"

#include <algorithm>

namespace runtime::format {
namespace {

// Choices where the format language leaves the outcome open, settled once here:
// - An empty text with a one-section format goes through that section: "@" gives a space.
// - A second section that is present but empty gives the empty text for an empty text.
// - "<" and ">" act on the whole result, literals included; with both, the last one wins.
// - Characters left over when the text is longer than the placeholders are appended after the
//   whole output, in either fill direction.

// - A placeholder takes a whole character: a surrogate pair (text outside the basic plane) is
//   never split between two placeholders.

enum class CaseChange { None, Lower, Upper };

// UTF-16 units of the character at index i: 2 for a surrogate pair, 1 otherwise (a lone
// surrogate included).
qsizetype unitsAt(QStringView text, qsizetype i) {
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

qsizetype characterCount(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); i += unitsAt(text, i))
        ++count;
    return count;
}

} // namespace

QString formatText(const QString& text, QStringView format) {
    const QList<QStringView> sections = splitSections(format, 2);
    QStringView section = sections.front();
    if (text.isEmpty() && sections.size() >= 2)
        section = sections[1];

    // Two passes over the section: the placeholders and flags first, then the text, so that
    // nothing is kept per character of the mask.
    CaseChange caseChange = CaseChange::None;
    bool leftToRight = false;
    qsizetype placeholders = 0;
    scan(
        section,
        [&](QChar c) {
            if (c == u'@' || c == u'&')
                ++placeholders;
            else if (c == u'<')
                caseChange = CaseChange::Lower;
            else if (c == u'>')
                caseChange = CaseChange::Upper;
            else if (c == u'!')
                leftToRight = true;
        },
        [](QStringView) {});

    // Which placeholders receive a character: with fewer characters than placeholders, the
    // leftmost ones stay empty (right to left), or the rightmost ones with "!".
    const qsizetype filled = std::min(placeholders, characterCount(text));
    const qsizetype firstFilled = leftToRight ? 0 : placeholders - filled;

    QString result;
    result.reserve(section.size() + text.size());
    qsizetype placeholderIndex = 0;
    qsizetype next = 0;
    scan(
        section,
        [&](QChar c) {
            if (c == u'<' || c == u'>' || c == u'!')
                return;
            if (c != u'@' && c != u'&') {
                result.append(c);
                return;
            }
            const bool receives =
                placeholderIndex >= firstFilled && placeholderIndex < firstFilled + filled;
            ++placeholderIndex;
            if (receives) {
                const qsizetype units = unitsAt(text, next);
                result.append(QStringView(text).mid(next, units));
                next += units;
            } else if (c == u'@') {
                result.append(u' ');
            }
        },
        [&](QStringView literal) { result.append(literal); });
    if (next < text.size())
        result.append(QStringView(text).mid(next));

    if (caseChange == CaseChange::None)
        return result;
    QString changed = caseChange == CaseChange::Lower ? result.toLower() : result.toUpper();
    wipe(result); // the text may be a password
    return changed;
}

} // namespace runtime::format
