#pragma once
// The pictures of a message as one animated GIF (giflib): one frame per picture in
// order, looping forever. Each frame carries a palette of just the colours it uses,
// padded to the power of two the format needs; frames with the first frame's colours
// use the global palette.

#include "picture_frames.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace smssim {

// The longest delay a GIF frame can hold: 65535 hundredths of a second.
inline constexpr int kMaxGifDelayMs = 655350;

// A picture that a GIF cannot hold (more than 256 colours, wider than 65535 pixels).
class GifError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The GIF file's bytes, each frame shown `delayMs` (rounded to hundredths of a second);
// nullopt when `progress` cancels. Throws GifError.
std::optional<std::string> gifOfPictures(PictureFrames& frames, int scale, int delayMs,
                                         const ExportProgress& progress = {});

} // namespace smssim
