#pragma once

#include <QRect>

namespace ui {

// Window layouts are written in twips: 1440 per inch, 15 per pixel at 96 dots per inch. Qt
// scales logical pixels for high-density screens, so 15 twips are one logical pixel everywhere.
inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel (775 twips give 52).
constexpr int twipsToPixels(int twips) {
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

constexpr QRect twipsToRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace ui
