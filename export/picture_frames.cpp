#include "picture_frames.h"

#include "renderer.h"

#include <cstring>

namespace smssim {

PictureFrames::PictureFrames(const Module1& state, std::string text)
    : state_(state), text_(std::move(text)) {
    lcd_.resize(displayPictureSize(state_), state_.Displaybreite, state_.Displayhoehe);
    state_.Bildversatz = 0;
    count_ = std::max<std::int32_t>(1, DisplayZeichnen(state_, text_, lcd_).bildanzahl);
}

const QImage& PictureFrames::picture(std::int32_t number) {
    const std::int32_t offset = bildversatzFuer(number, state_.Bildhoehe);
    if (offset != state_.Bildversatz) {
        state_.Bildversatz = offset;
        DisplayZeichnen(state_, text_, lcd_);
    }
    return lcd_.image();
}

QImage enlarged(const QImage& image, int scale) {
    if (scale <= 1)
        return image;
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage out(source.width() * scale, source.height() * scale, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    const auto rowBytes = static_cast<std::size_t>(out.width()) * sizeof(QRgb);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* first = reinterpret_cast<QRgb*>(out.scanLine(y * scale));
        for (int x = 0; x < source.width(); ++x)
            std::fill_n(first + static_cast<std::ptrdiff_t>(x) * scale, scale, in[x]);
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(out.scanLine(y * scale + copy), first, rowBytes);
    }
    return out;
}

} // namespace smssim
