#pragma once
// The display pictures of one message, each drawn exactly as the window's display shows
// it (LcdImage), for export. Works on its own copy of the state, so exporting never
// moves the picture the window shows.

#include "lcd_image.h"
#include "state.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <string>

namespace smssim {

// Told after each picture; returns false to cancel.
using ExportProgress = std::function<bool(std::int32_t done, std::int32_t total)>;

class PictureFrames {
  public:
    // `text` is the message in Windows-1252 bytes; Absaetze and the phone come from `state`.
    PictureFrames(const Module1& state, std::string text);

    std::int32_t count() const { return count_; }
    const Module1& state() const { return state_; }
    const std::string& text() const { return text_; }
    QSize pictureSize() const { return lcd_.image().size(); }
    // Picture `number` (1..count) at its size on screen.
    const QImage& picture(std::int32_t number);

  private:
    Module1 state_;
    std::string text_;
    LcdImage lcd_;
    std::int32_t count_ = 1;
};

// Each pixel of `image` as a `scale` x `scale` square: nearest neighbour, crisp.
QImage enlarged(const QImage& image, int scale);

} // namespace smssim
