#include "TextFormat.h"

#include "FormatSections.h"
#include "StringOps.h"

#include <vector>

namespace runtime::format {
namespace {

// Choices where the format language leaves the outcome open, settled once here:
// - An empty text with a one-section format goes through that section: "@" gives a space.
// - A second section that is present but empty gives the empty text for an empty text.
// - "<" and ">" act on the whole result, literals included; with both, the last one wins.
// - Characters left over when the text is longer than the placeholders are appended after the
//   whole output, in either fill direction.

struct Piece {
    bool placeholder = false;
    QChar kind;          // '@' or '&' for a placeholder
    QStringView literal; // for a literal run
    QChar literalChar;   // for a single unescaped literal character
};

enum class CaseChange { None, Lower, Upper };

} // namespace

QString formatText(const QString& text, QStringView format) {
    const QList<QStringView> sections = splitSections(format);
    QStringView section = sections.front();
    if (text.isEmpty() && sections.size() >= 2)
        section = sections[1];

    std::vector<Piece> pieces;
    pieces.reserve(static_cast<size_t>(section.size()));
    CaseChange caseChange = CaseChange::None;
    bool leftToRight = false;
    qsizetype placeholders = 0;
    scan(
        section,
        [&](QChar c) {
            if (c == u'@' || c == u'&') {
                pieces.push_back({true, c, {}, {}});
                ++placeholders;
            } else if (c == u'<') {
                caseChange = CaseChange::Lower;
            } else if (c == u'>') {
                caseChange = CaseChange::Upper;
            } else if (c == u'!') {
                leftToRight = true;
            } else {
                pieces.push_back({false, {}, {}, c});
            }
        },
        [&](QStringView literal) {
            pieces.push_back({false, {}, literal, {}});
        });

    // Which placeholders receive a character: with fewer characters than placeholders, the
    // leftmost ones stay empty (right to left), or the rightmost ones with "!".
    const qsizetype filled = std::min(placeholders, text.size());
    const qsizetype firstFilled = leftToRight ? 0 : placeholders - filled;

    QString result;
    result.reserve(section.size() + text.size());
    qsizetype placeholderIndex = 0;
    qsizetype next = 0;
    for (const Piece& piece : pieces) {
        if (!piece.placeholder) {
            if (piece.literal.isNull())
                result.append(piece.literalChar);
            else
                result.append(piece.literal);
            continue;
        }
        const bool receives =
            placeholderIndex >= firstFilled && placeholderIndex < firstFilled + filled;
        ++placeholderIndex;
        if (receives)
            result.append(text[next++]);
        else if (piece.kind == u'@')
            result.append(u' ');
    }
    if (next < text.size())
        result.append(QStringView(text).mid(next));

    if (caseChange == CaseChange::None)
        return result;
    QString changed = caseChange == CaseChange::Lower ? result.toLower() : result.toUpper();
    wipe(result); // the text may be a password
    return changed;
}

} // namespace runtime::format
