#pragma once
// Export of every display picture of a message, shared by the window and smssim-render:
// one PNG, XBM or P4 file per picture in a folder, an animated GIF, a contact sheet, or a
// C header of every picture in the display's own pixels. Everything
// is written through a FileBatch: a failure or a cancel leaves no file of this export
// behind and existing files as they were.

#include "file_batch.h"
#include "picture_frames.h"
#include "pixel_grid.h"
#include "problem.h"

#include <QImage>
#include <optional>
#include <string>

namespace smssim {

enum class ExportKind { PngFiles, Gif, Sheet, XbmFiles, PbmFiles, CHeader };

inline constexpr int kMaxExportScale = 8;
inline constexpr int kDefaultGifDelayMs = 1500;
inline constexpr int kDefaultSheetColumns = 4;

struct ExportSettings {
    ExportKind kind = ExportKind::PngFiles;
    int scale = 1;                      // 1..kMaxExportScale
    int delayMs = kDefaultGifDelayMs;   // GIF only
    int columns = kDefaultSheetColumns; // sheet only
    ByteOrder bytes = ByteOrder::Pages; // C header only
    std::string name = "bild";          // XBM and C header: the C identifiers
};

// One file per picture in a folder (PngFiles, XbmFiles, PbmFiles), else one file.
bool exportsFolder(ExportKind kind);
// The file name extension of the kind's files, without the dot.
std::string exportExtension(ExportKind kind);
// Whether `scale` applies: the firmware kinds hold the display's own pixels.
bool exportsEnlarged(ExportKind kind);

// "bild-001.png": three digits, more when the count has more.
std::string pictureFileName(std::int32_t number, std::int32_t count,
                            std::string_view extension = "png");

// The image as PNG bytes, or why it cannot be written (the reason names no file).
Result<std::string> pngBytes(const QImage& image);

// `out` is the folder of the folder kinds (made when missing), else the file. True when every
// file is written, false when `progress` cancelled; the reason names the file or folder.
Result<bool> exportPictures(PictureFrames& frames, const ExportSettings& settings,
                            const std::string& out, const ExportProgress& progress = {},
                            FileSystemCalls& calls = realFileSystemCalls());

// The bytes of the single file of `settings` (GIF, sheet, C header); nullopt when `progress`
// cancels. Fails for pictures the format cannot hold, with a reason that names no file.
Result<std::optional<std::string>> singleFileBytes(PictureFrames& frames,
                                                   const ExportSettings& settings,
                                                   const ExportProgress& progress = {});

} // namespace smssim
