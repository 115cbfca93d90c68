#include "ProgramIcon.h"

// The resources live in a static library: they must be registered by name before first use.
static void registerIconResources() {
    Q_INIT_RESOURCE(keywright_icons);
}

namespace ui {

QIcon programIcon() {
    registerIconResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 256})
        icon.addFile(QStringLiteral(":/keywright/icons/keywright-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace ui
