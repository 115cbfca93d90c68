#include "platform/desktop/OverrideBusyPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

OverrideBusyPointer::~OverrideBusyPointer() {
    setMousePointer(Default);
}

void OverrideBusyPointer::setMousePointer(MousePointer pointer) {
    const bool busy = pointer == Hourglass;
    if (busy == overriding_)
        return;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
    overriding_ = busy;
}

} // namespace platform
