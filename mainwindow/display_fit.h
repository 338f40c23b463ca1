#pragma once
// How the main window makes room for a display picture larger than its layout allows.

#include <QSize>

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

} // namespace smssim
