#include "lcd_image.h"

#include "twips.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace smssim {

QSize displayPictureSize(const Module1& state) {
    const auto height = static_cast<float>(state.Displayhoehe * kTwipsPerRow);
    const auto width = static_cast<float>(state.Displaybreite * kTwipsPerColumn);
    return {std::max(1, twipsToPixels(width)), std::max(1, twipsToPixels(height))};
}

QColor colourFromLong(std::int32_t colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void LcdImage::resize(QSize device, double logicalWidth, double logicalHeight) {
    image_ = QImage(device, QImage::Format_RGB32);
    image_.fill(back_);
    scaleX_ = logicalWidth > 0 ? device.width() / logicalWidth : 1;
    scaleY_ = logicalHeight > 0 ? device.height() / logicalHeight : 1;
}

void LcdImage::setBackColor(std::int32_t colour) {
    back_ = colourFromLong(colour);
    image_.fill(back_);
}

void LcdImage::line(float x1, float y1, float x2, float y2, std::int32_t colour) {
    if (image_.isNull())
        return;
    const QColor ink = colourFromLong(colour);
    const double dx1 = x1 * scaleX_, dy1 = y1 * scaleY_;
    if (x1 == x2 && y1 == y2) {
        // A dot centred on the point, clipped at the edges, and narrower than the draw
        // width on a display drawn smaller, so that neighbouring dots keep their gap.
        // Written directly: a keystroke draws hundreds of dots.
        const int size =
            std::clamp(static_cast<int>(std::min(scaleX_, scaleY_)) - 1, 1, drawWidth_);
        const int left = static_cast<int>(std::lround(dx1 - size / 2.0));
        const int top = static_cast<int>(std::lround(dy1 - size / 2.0));
        const QRgb rgb = ink.rgb();
        for (int y = std::max(top, 0); y < std::min(top + size, image_.height()); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = std::max(left, 0); x < std::min(left + size, image_.width()); ++x)
                row[x] = rgb;
        }
        return;
    }
    QPainter painter(&image_);
    painter.setPen(QPen(ink, drawWidth_));
    painter.drawLine(QPointF(dx1, dy1), QPointF(x2 * scaleX_, y2 * scaleY_));
}

} // namespace smssim
