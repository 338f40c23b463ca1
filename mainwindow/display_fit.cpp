#include "display_fit.h"

#include <algorithm>

namespace smssim {

QSize displayExcess(QSize display, const DisplayRoom& room) {
    // Centred by the outer width, the picture stands (outer - client) / 2 right of the
    // client's centre; widening the client moves that centre by half the growth.
    const int frame = room.outerWidth - room.clientWidth;
    return {std::max(0, display.width() + frame - room.clientWidth),
            std::max(0, room.top + display.height() - room.controlsTop)};
}

std::vector<QSize> displaySizesToTry(QSize laidOut, int columns, int rows) {
    std::vector<QSize> sizes{laidOut};
    for (int pixels = 3; pixels >= 1; --pixels) {
        const QSize smaller(std::max(1, columns * pixels), std::max(1, rows * pixels));
        if (smaller.width() < sizes.back().width() || smaller.height() < sizes.back().height())
            sizes.push_back(smaller.boundedTo(sizes.back()));
    }
    return sizes;
}

} // namespace smssim
