#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace platform {

// One file in the freedesktop key-file format: desktop entries, mimeapps.list and
// mimeinfo.cache. Read as GLib reads it: a group that appears again continues where it left
// off, and a key that appears again replaces its value.
class DesktopFile {
public:
    // Reads the file; a missing or unreadable file has no groups.
    static DesktopFile load(const QString& path);
    static DesktopFile parse(const QByteArray& contents);

    bool hasKey(const QString& group, const QString& key) const {
        return groups_.value(group).contains(key);
    }
    // The value as written, or "" when there is none.
    QString rawValue(const QString& group, const QString& key) const;
    // The value with the escapes of a string undone (\s \n \t \r \\).
    QString stringValue(const QString& group, const QString& key) const;
    // A list value split at its semicolons, without empty entries.
    QStringList listValue(const QString& group, const QString& key) const;

private:
    QHash<QString, QHash<QString, QString>> groups_;
};

} // namespace platform
