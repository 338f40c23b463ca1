#pragma once
// Window layouts give positions and sizes in twips; the screen has 15 twips per pixel.
// Shared by the main window and the animation window.

#include <QRect>
#include <cmath>

namespace smssim::layout {

inline int pixels(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect rect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

} // namespace smssim::layout
