#pragma once
// Export of every display picture of a message, shared by the window and smssim-render:
// one PNG file per picture in a folder, an animated GIF, or a contact sheet. Everything
// is written through a FileBatch: a failure or a cancel leaves no file of this export
// behind and existing files as they were.

#include "file_batch.h"
#include "picture_frames.h"

#include <QImage>
#include <optional>
#include <string>
#include <string_view>

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

struct ExportError {
    std::string datei; // the file or folder (UTF-8)
    std::string grund; // German reason
    bool folder = false;
    // The German text shown to the user: names the file and the reason.
    std::string text() const;
};

struct ExportResult {
    bool cancelled = false;
    std::optional<ExportError> error;
    bool ok() const { return !cancelled && !error; }
};

// "bild-001.png": three digits, more when the count has more.
std::string pictureFileName(std::int32_t number, std::int32_t count);

// The image as PNG bytes. Throws std::runtime_error for an image that cannot be written.
std::string pngBytes(const QImage& image);

// `out` is the folder for PngFiles (made when missing), else the file.
ExportResult exportPictures(PictureFrames& frames, const ExportSettings& settings,
                            const std::string& out, const ExportProgress& progress = {},
                            FileSystemCalls& calls = realFileSystemCalls());

// The bytes of the GIF or sheet file of `settings` (not PngFiles); nullopt when `progress`
// cancels. Throws std::runtime_error for pictures the format cannot hold.
std::optional<std::string> singleFileBytes(PictureFrames& frames, const ExportSettings& settings,
                                           const ExportProgress& progress = {});

// One file written whole or not at all, its failure told as the export tells its own.
std::optional<ExportError> writeExportFile(const std::string& path, std::string_view bytes);

} // namespace smssim
