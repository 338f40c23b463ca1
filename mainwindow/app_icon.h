#pragma once
// The window icon: a small phone with a greenish display, drawn at 32 x 32 pixels.

#include <QIcon>

namespace smssim {

QIcon appIcon();

} // namespace smssim
