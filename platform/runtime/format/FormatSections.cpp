#include "platform/runtime/format/FormatSections.h"

namespace runtime::format {

QList<QStringView> splitSections(QStringView format, qsizetype limit) {
    QList<QStringView> sections;
    qsizetype start = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (quoted) {
            quoted = c != u'"';
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u'\\') {
            ++i;
        } else if (c == u';') {
            sections.append(format.mid(start, i - start));
            if (sections.size() == limit)
                return sections;
            start = i + 1;
        }
    }
    sections.append(format.mid(start));
    return sections;
}

ChosenSection chooseSection(QStringView format, double value) {
    const QList<QStringView> sections = splitSections(format, kMaxNumberSections);
    const qsizetype count = sections.size();
    if (value < 0) {
        if (count >= 2 && !sections[1].isEmpty())
            return {sections[1], false};
        return {sections[0], true};
    }
    if (value == 0 && count >= 3 && !sections[2].isEmpty())
        return {sections[2], false};
    return {sections[0], false};
}

bool isTextFormat(QStringView format) {
    bool found = false;
    scan(
        format,
        [&](QChar c) {
            if (c == u'@' || c == u'&' || c == u'<' || c == u'>' || c == u'!')
                found = true;
        },
        [](QStringView) {});
    return found;
}

} // namespace runtime::format
