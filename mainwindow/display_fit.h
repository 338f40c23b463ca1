#pragma once
// How the main window makes room for a display picture larger than its layout allows, and
// how it keeps itself on a screen too small for it.

#include <QMargins>
#include <QSize>
#include <vector>

namespace smssim {

// Where the layout puts the display picture, in pixels: `top` down in a client area
// `clientWidth` wide, centred by the window's outer width (the client and its frame,
// `outerWidth`), above controls that begin `controlsTop` down.
struct DisplayRoom {
    int clientWidth;
    int outerWidth;
    int top;
    int controlsTop;
};

// How much the client area must grow for a display picture of `display` pixels: as much
// wider as it, centred, passes the client's right edge, and as much taller as it reaches
// into the controls below, which move down by as much. Nothing for a display that fits.
QSize displayExcess(QSize display, const DisplayRoom& room);

// The frame of a window the window manager has not framed yet: about what desktops draw
// around a window, a title bar and thin borders.
inline constexpr QMargins kUnknownFrame{6, 36, 6, 6};

// The display picture's sizes for a grid of `columns` x `rows` display pixels, largest
// first: as laid out, then 3, 2 and 1 device pixels per display pixel where that is
// smaller. The window takes the first with which it fits on the screen.
std::vector<QSize> displaySizesToTry(QSize laidOut, int columns, int rows);

} // namespace smssim
