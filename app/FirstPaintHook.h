#pragma once

class QWidget;

namespace app {

// For measurements and pictures of the window, set in the environment:
//   KEYWRIGHT_EXIT_AFTER_FIRST_PAINT=1   quit right after the window's first paint
//   KEYWRIGHT_SCREENSHOT=file.png         save the window's picture after that paint, then quit
//   KEYWRIGHT_SCREENSHOT_ABOUT=file.png   with KEYWRIGHT_SCREENSHOT: then open the About dialog,
//                                         save its picture, then quit
// Without either, nothing is installed.
void installFirstPaintHook(QWidget& window);

} // namespace app
