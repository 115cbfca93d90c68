#include "platform/files/DiskFileFinder.h"

#include <QFileInfo>

namespace platform {

QString DiskFileFinder::Dir(const QString& path) const {
    const QFileInfo file(path);
    return file.isFile() ? file.fileName() : QString();
}

} // namespace platform
