#pragma once

#include "platform/runtime/AppInfo.h"

#include <QString>

namespace ui {

// The product's home page: the build's host and the fixed path "/keywright/".
inline QString homePageAddress() {
    return QString::fromLatin1(runtime::app::kWebHost) +
           QString::fromLatin1(runtime::app::kHomePagePath);
}

// The help page: the same host, path "/keywright/help" without a trailing slash.
inline QString helpPageAddress() {
    return QString::fromLatin1(runtime::app::kWebHost) +
           QString::fromLatin1(runtime::app::kHelpPagePath);
}

} // namespace ui
