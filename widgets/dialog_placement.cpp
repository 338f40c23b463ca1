#include "dialog_placement.h"

#include <algorithm>
#include <array>

namespace smssim {

namespace {

// Space between the display and a dialog below or above it.
constexpr int kGap = 8;

// Moves `start` along one axis only as far as needed to lie inside [low, high].
int clampInto(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length + 1));
}

} // namespace

QPoint placeClearOf(const QRect& screen, const QRect& window, const QRect& keep, QSize dialog) {
    const int w = dialog.width();
    const int h = dialog.height();
    const int besideY = clampInto(window.top(), h, screen.top(), screen.bottom());
    const int underX = clampInto(keep.center().x() - w / 2, w, screen.left(), screen.right());
    // Each clear of `keep`, in order of preference; the first that is on the screen wins.
    const std::array<QPoint, 3> candidates{{
        {window.right() + 1, besideY},
        {window.left() - w, besideY},
        {underX, keep.bottom() + 1 + kGap},
    }};
    for (const QPoint& at : candidates)
        if (screen.contains(QRect(at, dialog)))
            return at;
    // A display too tall for any of them: at least the dialog stays on the screen.
    return {underX, clampInto(candidates[2].y(), h, screen.top(), screen.bottom())};
}

QPoint placeInside(const QRect& screen, QSize frame, const std::optional<QPoint>& current) {
    const QPoint start =
        current.value_or(screen.center() - QPoint(frame.width() / 2, frame.height() / 2));
    return {clampInto(start.x(), frame.width(), screen.left(), screen.right()),
            clampInto(start.y(), frame.height(), screen.top(), screen.bottom())};
}

} // namespace smssim
