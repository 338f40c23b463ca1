#pragma once
// A contact sheet: every picture of a message in one image, in rows of a given number of
// columns, left to right. A gap of kSheetGap pixels in a neutral grey lies around and
// between the pictures, and each picture's number stands in the gap above it in small
// digits of the sheet's own (no font, so every machine draws the same sheet). The whole
// sheet is then enlarged by the scale.
//
//   columns used = min(columns, count), rows = ceil(count / columns used)
//   width  = scale * (columns used * picture width  + (columns used + 1) * kSheetGap)
//   height = scale * (rows * picture height + (rows + 1) * kSheetGap)

#include "picture_frames.h"

#include <QSize>
#include <optional>
#include <stdexcept>

namespace smssim {

inline constexpr int kSheetGap = 8;
inline constexpr QRgb kSheetGrey = 0xFF808080;
// Beyond this a sheet is refused: 64 megapixels are 256 MB in memory.
inline constexpr qint64 kMaxSheetPixels = 64LL * 1024 * 1024;

// A sheet larger than kMaxSheetPixels.
class SheetTooLarge : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

QSize sheetSize(QSize picture, std::int32_t count, int columns, int scale);

// nullopt when `progress` cancels. Throws SheetTooLarge.
std::optional<QImage> contactSheet(PictureFrames& frames, int columns, int scale,
                                   const ExportProgress& progress = {});

} // namespace smssim
