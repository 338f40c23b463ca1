#pragma once
// The program's icon: a small phone with a greenish dotted display. One drawing serves
// the window icon and the installed hicolor pictures; data/icons/smssim.svg is the same
// drawing by hand.

#include <QIcon>
#include <QImage>

namespace smssim {

// The icon drawn into a transparent square of `size` pixels. The drawing is laid out on
// a 32 x 32 grid and scaled, so every size shows the same phone.
QImage appIconImage(int size);

// The window icon, with the pictures a window manager picks from.
QIcon appIcon();

} // namespace smssim
