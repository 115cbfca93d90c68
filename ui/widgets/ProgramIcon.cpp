#include "ui/widgets/ProgramIcon.h"

#include <QCoreApplication>

// The resources live in a static library: they must be registered by name before first use.
static void registerIconResources() {
    Q_INIT_RESOURCE(keywright_icons);
}

namespace ui {
namespace {

QIcon loadProgramIcon() {
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

// Made once: reading the images again for every message window was a good part of the cost of
// a press of Generate. Given up with the application, whose pixmaps it holds.
QIcon* cachedIcon = nullptr;

} // namespace

QIcon programIcon() {
    if (!cachedIcon) {
        cachedIcon = new QIcon(loadProgramIcon());
        qAddPostRoutine([] {
            delete cachedIcon;
            cachedIcon = nullptr;
        });
    }
    return *cachedIcon;
}

} // namespace ui
