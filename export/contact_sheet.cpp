#include "contact_sheet.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace smssim {

namespace {

// Digits 3 pixels wide and 5 high, row by row from the top, the high bit on the left.
constexpr std::uint8_t kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};
constexpr int kDigitAdvance = 4;
constexpr int kDigitTop = 2; // within the gap above the picture

int usedColumns(std::int32_t count, int columns) {
    return static_cast<int>(std::min<std::int64_t>(std::max(columns, 1), std::max(count, 1)));
}

// The number at (left, top) of the unscaled sheet, drawn in black at the scale; what
// would reach past `right` (a narrow picture, a long number) is cut off.
void drawNumber(QImage& sheet, std::int32_t number, int left, int top, int right, int scale) {
    const std::string digits = std::to_string(number);
    for (std::size_t d = 0; d < digits.size(); ++d)
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 3; ++column) {
                const int at = left + static_cast<int>(d) * kDigitAdvance + column;
                if (at >= right || !(kDigits[digits[d] - '0'][row] & (4 >> column)))
                    continue;
                const int x = at * scale;
                const int y = (top + row) * scale;
                for (int dy = 0; dy < scale; ++dy)
                    std::fill_n(reinterpret_cast<QRgb*>(sheet.scanLine(y + dy)) + x, scale,
                                qRgb(0, 0, 0));
            }
}

void copyInto(QImage& sheet, const QImage& picture, QPoint at) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * sizeof(QRgb);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(sheet.scanLine(at.y() + y)) + at.x(),
                    rgb.constScanLine(y), rowBytes);
}

} // namespace

QSize sheetSize(QSize picture, std::int32_t count, int columns, int scale) {
    const int used = usedColumns(count, columns);
    const std::int64_t rows = (std::max(count, 1) + used - 1) / used;
    const std::int64_t width = std::int64_t{scale} * (used * std::int64_t{picture.width()} +
                                                      (used + 1) * std::int64_t{kSheetGap});
    const std::int64_t height =
        std::int64_t{scale} * (rows * picture.height() + (rows + 1) * kSheetGap);
    if (width * height > kMaxSheetPixels)
        throw SheetTooLarge("Die Übersicht wäre " + std::to_string(width) + " × " +
                            std::to_string(height) +
                            " Pixel groß; das sind zu viele. Eine kleinere Vergrößerung oder "
                            "weniger Bilder wählen");
    return {static_cast<int>(width), static_cast<int>(height)};
}

std::optional<QImage> contactSheet(PictureFrames& frames, int columns, int scale,
                                   const ExportProgress& progress) {
    const QSize picture = frames.pictureSize();
    QImage sheet(sheetSize(picture, frames.count(), columns, scale), QImage::Format_RGB32);
    if (sheet.isNull())
        throw SheetTooLarge("Für die Übersicht ist nicht genug Speicher frei");
    sheet.fill(kSheetGrey);
    const int used = usedColumns(frames.count(), columns);
    for (std::int32_t n = 1; n <= frames.count(); ++n) {
        const int left = kSheetGap + ((n - 1) % used) * (picture.width() + kSheetGap);
        const int top = kSheetGap + ((n - 1) / used) * (picture.height() + kSheetGap);
        copyInto(sheet, enlarged(frames.picture(n), scale), QPoint(left, top) * scale);
        drawNumber(sheet, n, left, top - kSheetGap + kDigitTop,
                   left + picture.width() + kSheetGap - 1, scale);
        if (progress && !progress(n, frames.count()))
            return std::nullopt;
    }
    return sheet;
}

} // namespace smssim
