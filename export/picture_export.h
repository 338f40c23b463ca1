#pragma once
// Export of every display picture of a message, shared by the window and smssim-render:
// one PNG file per picture in a folder, an animated GIF, or a contact sheet. Everything
// is written through a FileBatch: a failure or a cancel leaves no file of this export
// behind and existing files as they were.

#include "file_batch.h"
#include "picture_frames.h"
#include "problem.h"

#include <QImage>
#include <optional>
#include <string>

namespace smssim {

enum class ExportKind { PngFiles, Gif, Sheet };

inline constexpr int kMaxExportScale = 8;
inline constexpr int kDefaultGifDelayMs = 1500;
inline constexpr int kDefaultSheetColumns = 4;

struct ExportSettings {
    ExportKind kind = ExportKind::PngFiles;
    int scale = 1;                      // 1..kMaxExportScale
    int delayMs = kDefaultGifDelayMs;   // GIF only
    int columns = kDefaultSheetColumns; // sheet only
};

// "bild-001.png": three digits, more when the count has more.
std::string pictureFileName(std::int32_t number, std::int32_t count);

// The image as PNG bytes, or why it cannot be written (the reason names no file).
Result<std::string> pngBytes(const QImage& image);

// `out` is the folder for PngFiles (made when missing), else the file. True when every
// file is written, false when `progress` cancelled; the reason names the file or folder.
Result<bool> exportPictures(PictureFrames& frames, const ExportSettings& settings,
                            const std::string& out, const ExportProgress& progress = {},
                            FileSystemCalls& calls = realFileSystemCalls());

// The bytes of the GIF or sheet file of `settings` (not PngFiles); nullopt when `progress`
// cancels. Fails for pictures the format cannot hold, with a reason that names no file.
Result<std::optional<std::string>> singleFileBytes(PictureFrames& frames,
                                                   const ExportSettings& settings,
                                                   const ExportProgress& progress = {});

} // namespace smssim
