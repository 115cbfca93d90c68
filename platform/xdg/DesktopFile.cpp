#include "platform/xdg/DesktopFile.h"

#include <QFile>

namespace platform {

DesktopFile DesktopFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

DesktopFile DesktopFile::parse(const QByteArray& contents) {
    DesktopFile result;
    QHash<QString, QString>* group = nullptr;
    for (const QByteArray& rawLine : contents.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2);
            // A repeated group continues the first one (tools that append to a list write such
            // files), as GLib reads them.
            group = &result.groups_[name];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (group == nullptr || equals <= 0)
            continue;
        // Where a key repeats, the last one counts.
        group->insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return result;
}

QString DesktopFile::rawValue(const QString& group, const QString& key) const {
    return groups_.value(group).value(key);
}

QString DesktopFile::stringValue(const QString& group, const QString& key) const {
    const QString raw = rawValue(group, key);
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != u'\\' || i + 1 == raw.size()) {
            text += c;
            continue;
        }
        switch (raw.at(++i).unicode()) {
        case 's':
            text += u' ';
            break;
        case 'n':
            text += u'\n';
            break;
        case 't':
            text += u'\t';
            break;
        case 'r':
            text += u'\r';
            break;
        case '\\':
            text += u'\\';
            break;
        default: // not a string escape: left for the next reader (the Exec quoting, a list)
            text += c;
            text += raw.at(i);
        }
    }
    return text;
}

QStringList DesktopFile::listValue(const QString& group, const QString& key) const {
    QStringList entries = rawValue(group, key).split(u';', Qt::SkipEmptyParts);
    for (QString& entry : entries)
        entry = entry.trimmed();
    entries.removeAll(QString());
    return entries;
}

} // namespace platform
