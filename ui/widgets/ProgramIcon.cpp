#include "ProgramIcon.h"

// The resources live in a static library: they must be registered by name before first use.
static void registerIconResources() {
    Q_INIT_RESOURCE(keywright_icons);
}

namespace ui {

QIcon programIcon() {
    registerIconResources();
    QIcon icon;
    // The sizes window managers show; every window hands them all to the window system, so a
    // 256-pixel image (a quarter of a megabyte) would travel with each message window. Larger
    // icons come from the desktop entry's icon theme.
    for (const int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/keywright/icons/keywright-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace ui
