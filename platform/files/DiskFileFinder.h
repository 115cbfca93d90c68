#pragma once

#include "platform/files/FileFinder.h"

namespace platform {

class DiskFileFinder : public FileFinder {
public:
    QString Dir(const QString& path) const override;
};

} // namespace platform
