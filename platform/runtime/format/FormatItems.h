#pragma once

#include <QStringView>

namespace runtime::format {

// One unquoted character of a format section, or one quoted or escaped run printed as it is.
struct FormatItem {
    QChar ch;         // the unquoted character; null for a literal run
    QStringView text; // the character itself in the section, or the literal run's text
    bool isLiteral = false;
};

// Reads a format section one item at a time, without copying it: a long mask costs its length
// once, whatever its content.
class ItemReader {
public:
    explicit ItemReader(QStringView section) : section_(section) { skipDanglingEscape(); }

    bool atEnd() const { return pos_ >= section_.size(); }

    // Takes the next item.
    FormatItem next() {
        const QChar c = section_[pos_];
        FormatItem item;
        if (c == u'\\') {
            item = {{}, section_.mid(pos_ + 1, 1), true};
            pos_ += 2;
        } else if (c == u'"') {
            qsizetype close = section_.indexOf(u'"', pos_ + 1);
            if (close < 0)
                close = section_.size();
            item = {{}, section_.mid(pos_ + 1, close - pos_ - 1), true};
            pos_ = close + 1;
        } else {
            item = {c, section_.mid(pos_, 1), false};
            ++pos_;
        }
        skipDanglingEscape();
        return item;
    }

    // The unquoted character `offset` items after the next one (0: the next one itself), or a
    // null character when that item, or one before it, is quoted, escaped or past the end.
    QChar peek(qsizetype offset) const {
        for (qsizetype k = 0; k <= offset; ++k) {
            const qsizetype at = pos_ + k;
            if (at >= section_.size() || section_[at] == u'\\' || section_[at] == u'"')
                return {};
        }
        return section_[pos_ + offset];
    }

    // The next `count` items, all unquoted (checked with peek), as text of the section.
    QStringView unquoted(qsizetype from, qsizetype count) const {
        return section_.mid(pos_ + from, count);
    }

    // Passes over `count` unquoted items (checked with peek).
    void skip(qsizetype count) {
        pos_ += count;
        skipDanglingEscape();
    }

private:
    // A "\" that ends the section escapes nothing and prints nothing.
    void skipDanglingEscape() {
        if (pos_ == section_.size() - 1 && section_[pos_] == u'\\')
            ++pos_;
    }

    QStringView section_;
    qsizetype pos_ = 0;
};

} // namespace runtime::format
