#pragma once

#include <QString>

namespace platform {

// The runtime's Dir with no attributes: is there a normal file at this path?
class FileFinder {
public:
    virtual ~FileFinder() = default;
    // The file's name when a normal file of that path exists, otherwise "".
    virtual QString Dir(const QString& path) const = 0;
};

} // namespace platform
