#include "NumberFormat.h"

#include "DecimalDigits.h"
#include "FormatItems.h"

#include <algorithm>
#include <string>
#include <vector>

namespace runtime::format {
namespace {

enum class Region { Whole, Fraction, Exponent };

struct Piece {
    enum class Kind { Digit, Point, Percent, Exponent, Literal };
    Kind kind = Kind::Literal;
    Region region = Region::Whole;
    QChar ch;              // '0' or '#'; the exponent letter; a single literal character
    bool plusSign = false; // exponent written E+ / e+
    QStringView literal;   // quoted or escaped text (null for a single character)
};

struct Layout {
    std::vector<Piece> pieces;
    long long wholePlaceholders = 0;
    long long fractionPlaceholders = 0;
    long long exponentPlaceholders = 0;
    long long firstWholeZero = -1;  // index among whole placeholders of the leftmost "0"
    long long lastFractionZero = 0; // place (from 1) of the rightmost "0" after the point
    long long scalingCommas = 0;
    bool grouping = false;
    bool percent = false;
    bool scientific = false;
};

Layout layoutOf(QStringView section) {
    const std::vector<FormatItem> items = itemsOf(section);
    Layout layout;
    layout.pieces.reserve(items.size());
    Region region = Region::Whole;
    bool pointSeen = false;
    // Whole-number placeholders seen before each comma of the whole part.
    std::vector<long long> commasAfter;
    for (size_t i = 0; i < items.size(); ++i) {
        const FormatItem& item = items[i];
        if (item.isLiteral) {
            layout.pieces.push_back({Piece::Kind::Literal, region, {}, false, item.literal});
            continue;
        }
        const QChar c = item.ch;
        if (c == u'0' || c == u'#') {
            layout.pieces.push_back({Piece::Kind::Digit, region, c, false, {}});
            if (region == Region::Whole) {
                if (c == u'0' && layout.firstWholeZero < 0)
                    layout.firstWholeZero = layout.wholePlaceholders;
                ++layout.wholePlaceholders;
            } else if (region == Region::Fraction) {
                ++layout.fractionPlaceholders;
                if (c == u'0')
                    layout.lastFractionZero = layout.fractionPlaceholders;
            } else {
                ++layout.exponentPlaceholders;
            }
        } else if (c == u'.' && !pointSeen && region == Region::Whole) {
            pointSeen = true;
            region = Region::Fraction;
            layout.pieces.push_back({Piece::Kind::Point, region, c, false, {}});
        } else if (c == u',') {
            if (region == Region::Whole)
                commasAfter.push_back(layout.wholePlaceholders);
        } else if (c == u'%') {
            layout.percent = true;
            layout.pieces.push_back({Piece::Kind::Percent, region, c, false, {}});
        } else if ((c == u'E' || c == u'e') && !layout.scientific &&
                   (charAt(items, i + 1) == u'+' || charAt(items, i + 1) == u'-') &&
                   (charAt(items, i + 2) == u'0' || charAt(items, i + 2) == u'#')) {
            layout.scientific = true;
            region = Region::Exponent;
            layout.pieces.push_back(
                {Piece::Kind::Exponent, region, c, items[i + 1].ch == u'+', {}});
            ++i;
        } else {
            layout.pieces.push_back({Piece::Kind::Literal, region, c, false, {}});
        }
    }
    for (const long long before : commasAfter) {
        if (before > 0 && before < layout.wholePlaceholders)
            layout.grouping = true;
        else if (before > 0 && before == layout.wholePlaceholders)
            ++layout.scalingCommas;
    }
    return layout;
}

// Writes digits right-aligned onto a run of placeholders: the placeholder at right position r
// (1 = rightmost) takes the r-th digit from the right; the first placeholder also takes any
// extra leading digits. Positions left of zeroFrom print nothing when there is no digit.
class RightAligned {
public:
    RightAligned(std::string digits, long long placeholders, long long zeroFrom, QString separator)
        : digits_(std::move(digits)), placeholders_(placeholders), zeroFrom_(zeroFrom),
          separator_(std::move(separator)) {}

    // Appends what the next placeholder (from the left) prints.
    void next(QString& out) {
        const long long position = placeholders_ - index_;
        const long long count = static_cast<long long>(digits_.size());
        if (index_ == 0) {
            for (long long r = count; r > position; --r)
                put(out, r);
        }
        if (position <= count || position <= zeroFrom_)
            put(out, position);
        ++index_;
    }

    // Appends all digits at once, for a format without whole-number placeholders.
    void all(QString& out) {
        for (long long r = static_cast<long long>(digits_.size()); r >= 1; --r)
            put(out, r);
    }

private:
    void put(QString& out, long long position) {
        const long long count = static_cast<long long>(digits_.size());
        out.append(position <= count ? QChar(digits_[static_cast<size_t>(count - position)])
                                     : QChar(u'0'));
        if (!separator_.isEmpty() && position > 1 && (position - 1) % 3 == 0)
            out.append(separator_);
    }

    std::string digits_;
    long long placeholders_;
    long long zeroFrom_;
    QString separator_;
    long long index_ = 0;
};

} // namespace

QString formatNumberSection(double magnitude, QStringView section, const QLocale& locale) {
    const Layout layout = layoutOf(section);

    DecimalDigits value = DecimalDigits::fromMagnitude(magnitude);
    if (layout.percent)
        value.shift(2);
    value.shift(-3 * layout.scalingCommas);

    long long exponent = 0;
    if (layout.scientific) {
        if (!value.isZero()) {
            exponent = value.pointPosition() - layout.wholePlaceholders;
            value.setPointPosition(layout.wholePlaceholders);
            value.roundToFraction(layout.fractionPlaceholders);
            if (value.pointPosition() > layout.wholePlaceholders) { // 9.99 became 10.0
                ++exponent;
                value.setPointPosition(layout.wholePlaceholders);
            }
        }
    } else {
        value.roundToFraction(layout.fractionPlaceholders);
    }

    // Fraction places after the last one printed show nothing ("#" trailing zeros).
    long long lastFractionShown = layout.lastFractionZero;
    for (long long place = layout.fractionPlaceholders; place > lastFractionShown; --place) {
        if (value.fractionDigit(place) != '0') {
            lastFractionShown = place;
            break;
        }
    }

    const long long zeroFrom =
        layout.firstWholeZero < 0 ? 0 : layout.wholePlaceholders - layout.firstWholeZero;
    RightAligned whole(value.wholeDigits(), layout.wholePlaceholders, zeroFrom,
                       layout.grouping ? locale.groupSeparator() : QString());
    const std::string exponentText = std::to_string(exponent < 0 ? -exponent : exponent);
    RightAligned exponentDigits(exponentText, layout.exponentPlaceholders,
                                layout.exponentPlaceholders, QString());

    QString out;
    out.reserve(section.size() + 32);
    long long fractionPlace = 0;
    for (const Piece& piece : layout.pieces) {
        switch (piece.kind) {
        case Piece::Kind::Literal:
            if (piece.literal.isNull())
                out.append(piece.ch);
            else
                out.append(piece.literal);
            break;
        case Piece::Kind::Point:
            if (layout.wholePlaceholders == 0)
                whole.all(out);
            out.append(locale.decimalPoint());
            break;
        case Piece::Kind::Percent:
            out.append(u'%');
            break;
        case Piece::Kind::Exponent:
            out.append(piece.ch);
            if (exponent < 0)
                out.append(u'-');
            else if (piece.plusSign)
                out.append(u'+');
            break;
        case Piece::Kind::Digit:
            if (piece.region == Region::Whole) {
                whole.next(out);
            } else if (piece.region == Region::Fraction) {
                ++fractionPlace;
                if (fractionPlace <= lastFractionShown)
                    out.append(QChar(value.fractionDigit(fractionPlace)));
            } else {
                exponentDigits.next(out);
            }
            break;
        }
    }
    return out;
}

} // namespace runtime::format
