#pragma once
// Where a dialog opens over the main window: clear of the display picture, whose changes
// (the preview of a clicked file, the pictures of the animation) are the reason to look.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace smssim {

// The top left corner of a dialog frame of `dialog` size, all in global coordinates:
// beside `window` when `screen` has room, else below `keep` (the display); always on
// `screen`, covering `keep` only when neither fits.
QPoint placeClearOf(const QRect& screen, const QRect& window, const QRect& keep, QSize dialog);

// The top left corner of a window frame of `frame` size on `screen`: centred, or, when
// the window already stands at `current`, moved only as far as it must to lie on the
// screen. A frame larger than the screen keeps its top left corner, with the title bar
// and the menu, on it.
QPoint placeInside(const QRect& screen, QSize frame, const std::optional<QPoint>& current);

} // namespace smssim
