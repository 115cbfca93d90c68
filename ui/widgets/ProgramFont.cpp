#include "ui/widgets/ProgramFont.h"

#include <QStringList>

#include <cmath>

namespace ui {

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont programFont(double points) {
    QFont font;
    // The first family of the list that is installed wins; fontconfig's own substitute for a
    // missing Tahoma is wider and would clip captions.
    font.setFamilies({QString::fromLatin1(kDesignFamily), QString::fromLatin1(kFallbackFamily)});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pointsToPixels(points));
    return font;
}

} // namespace ui
