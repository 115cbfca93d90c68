#include "platform/runtime/format/NumberFormat.h"

#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/DecimalDigits.h"
#include "platform/runtime/format/FormatItems.h"

#include <algorithm>
#include <string>

namespace runtime::format {
namespace {

enum class Region { Whole, Fraction, Exponent };

struct Piece {
    enum class Kind { Digit, Point, Percent, Exponent, Comma, Literal };
    Kind kind = Kind::Literal;
    Region region = Region::Whole;
    QChar ch;              // '0' or '#'; the exponent letter
    bool plusSign = false; // exponent written E+ / e+
    QStringView text;      // what a literal prints: one character, or quoted or escaped text
};

// Reads the pieces of a numeric section in order; the region moves on at the first point and
// the first exponent, so a second reading gives the same pieces again.
class PieceReader {
public:
    explicit PieceReader(QStringView section) : reader_(section) {}

    bool atEnd() const { return reader_.atEnd(); }

    Piece next() {
        const FormatItem item = reader_.next();
        if (item.isLiteral)
            return {Piece::Kind::Literal, region_, {}, false, item.text};
        const QChar c = item.ch;
        if (c == u'0' || c == u'#')
            return {Piece::Kind::Digit, region_, c, false, {}};
        if (c == u'.' && region_ == Region::Whole) {
            region_ = Region::Fraction;
            return {Piece::Kind::Point, region_, c, false, {}};
        }
        if (c == u',')
            return {Piece::Kind::Comma, region_, c, false, {}};
        if (c == u'%')
            return {Piece::Kind::Percent, region_, c, false, {}};
        if ((c == u'E' || c == u'e') && !exponentSeen_ &&
            (reader_.peek(0) == u'+' || reader_.peek(0) == u'-') &&
            (reader_.peek(1) == u'0' || reader_.peek(1) == u'#')) {
            exponentSeen_ = true;
            region_ = Region::Exponent;
            const bool plus = reader_.peek(0) == u'+';
            reader_.skip(1);
            return {Piece::Kind::Exponent, region_, c, plus, {}};
        }
        return {Piece::Kind::Literal, region_, c, false, item.text};
    }

private:
    ItemReader reader_;
    Region region_ = Region::Whole;
    bool exponentSeen_ = false;
};

struct Layout {
    long long wholePlaceholders = 0;
    long long fractionPlaceholders = 0;
    long long exponentPlaceholders = 0;
    long long firstWholeZero = -1;  // index among whole placeholders of the leftmost "0"
    long long lastFractionZero = 0; // place (from 1) of the rightmost "0" after the point
    long long scalingCommas = 0;
    bool grouping = false;
    bool percent = false;
    bool scientific = false;
    bool point = false;
    bool literalText = false;     // some quoted, escaped or other character prints as it is
    bool literalNonDigit = false; // one of them is not a digit
};

// The counts the digits are laid out by, in one pass that keeps nothing per character.
Layout layoutOf(QStringView section) {
    Layout layout;
    // Commas of the whole part after its latest placeholder: they scale down if no placeholder
    // follows them, and turn grouping on if one does. Commas before the first one print nothing.
    long long pendingCommas = 0;
    for (PieceReader reader(section); !reader.atEnd();) {
        const Piece piece = reader.next();
        switch (piece.kind) {
        case Piece::Kind::Digit:
            if (piece.region == Region::Whole) {
                if (piece.ch == u'0' && layout.firstWholeZero < 0)
                    layout.firstWholeZero = layout.wholePlaceholders;
                ++layout.wholePlaceholders;
                layout.grouping = layout.grouping || pendingCommas > 0;
                pendingCommas = 0;
            } else if (piece.region == Region::Fraction) {
                ++layout.fractionPlaceholders;
                if (piece.ch == u'0')
                    layout.lastFractionZero = layout.fractionPlaceholders;
            } else {
                ++layout.exponentPlaceholders;
            }
            break;
        case Piece::Kind::Comma:
            if (piece.region == Region::Whole && layout.wholePlaceholders > 0)
                ++pendingCommas;
            break;
        case Piece::Kind::Percent:
            layout.percent = true;
            break;
        case Piece::Kind::Exponent:
            layout.scientific = true;
            break;
        case Piece::Kind::Point:
            layout.point = true;
            break;
        case Piece::Kind::Literal:
            layout.literalText = layout.literalText || !piece.text.isEmpty();
            layout.literalNonDigit =
                layout.literalNonDigit || std::any_of(piece.text.begin(), piece.text.end(),
                                                      [](QChar c) { return !c.isDigit(); });
            break;
        }
    }
    layout.scalingCommas = pendingCommas;
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
    RightAligned(const RightAligned&) = delete;
    RightAligned& operator=(const RightAligned&) = delete;
    ~RightAligned() { wipe(digits_); } // they may be a password's

    // Characters written at most: every digit and its group separator.
    qsizetype longest() const {
        return static_cast<qsizetype>(digits_.size()) * (1 + separator_.size());
    }

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

    // Room for everything from the start: a buffer outgrown would be freed holding digits.
    QString out;
    out.reserve(section.size() + whole.longest() + 32);
    long long fractionPlace = 0;
    for (PieceReader reader(section); !reader.atEnd();) {
        const Piece piece = reader.next();
        switch (piece.kind) {
        case Piece::Kind::Literal:
            out.append(piece.text);
            break;
        case Piece::Kind::Comma:
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

NumberSectionShape numberSectionShape(QStringView section) {
    const Layout layout = layoutOf(section);
    NumberSectionShape shape;
    shape.showsDigits = layout.wholePlaceholders > 0 || layout.point;
    shape.scientific = layout.scientific;
    shape.significantDigits = layout.wholePlaceholders + layout.fractionPlaceholders;
    shape.fractionDigits = layout.fractionPlaceholders;
    shape.decimalShift = (layout.percent ? 2 : 0) - 3 * layout.scalingCommas;
    shape.emptyAtZero = !layout.literalText && !layout.point && !layout.percent &&
                        !layout.scientific && layout.firstWholeZero < 0;
    shape.digitsOnly = !layout.literalNonDigit && !layout.point && !layout.percent &&
                       !layout.scientific && !layout.grouping;
    return shape;
}

} // namespace runtime::format
