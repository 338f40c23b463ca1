#pragma once
// Layout tables give positions and sizes in twips; the screen has 15 twips per pixel.

#include <QRect>
#include <QSize>

namespace smssim {

inline constexpr int kTwipsPerPixel = 15;

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

constexpr QSize twipsSize(int width, int height) {
    return {width / kTwipsPerPixel, height / kTwipsPerPixel};
}

} // namespace smssim
