#pragma once
// Window layouts give positions and sizes in twips; the screen has 15 twips per pixel.
// Every window converts through here, rounding to the nearest pixel, so that a control
// lands where the same twips would put it in any other window.

#include <QRect>
#include <QSize>
#include <cmath>

namespace smssim {

inline constexpr double kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

} // namespace smssim
