#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The installed desktop entries, found by their desktop file ids in the applications folders.
class DesktopEntries {
public:
    // Folders in order of importance: the first that holds an id wins.
    explicit DesktopEntries(QStringList applicationDirs);

    // The file of an id; a '-' in the id may stand for a subfolder ("kde-foo.desktop" is also
    // kde/foo.desktop). "" when no folder holds it.
    QString locate(const QString& id) const;
    // The id's command line, as written after Exec= with the string escapes undone, of an
    // installed entry that can be started: not deleted (Hidden=true) and with a command. ""
    // otherwise.
    QString exec(const QString& id) const;

private:
    QStringList dirs_;
};

} // namespace platform
