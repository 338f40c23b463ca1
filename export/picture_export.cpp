#include "picture_export.h"

#include "contact_sheet.h"
#include "gif_writer.h"

#include <QBuffer>

namespace smssim {

namespace {

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The bytes of each picture file of a folder kind.
class FolderPictures {
  public:
    FolderPictures(PictureFrames& frames, const ExportSettings& settings)
        : frames_(frames), settings_(settings) {
        if (settings.kind != ExportKind::PngFiles)
            grids_ = pictureGrids(frames.state(), frames.text());
    }
    Result<std::string> bytes(std::int32_t n) {
        if (settings_.kind == ExportKind::PngFiles)
            return pngBytes(enlarged(frames_.picture(n), settings_.scale));
        const PixelGrid& grid = grids_.at(static_cast<std::size_t>(n - 1));
        return settings_.kind == ExportKind::XbmFiles ? xbmImage(grid, settings_.name)
                                                      : pbmImage(grid);
    }

  private:
    PictureFrames& frames_;
    const ExportSettings& settings_;
    std::vector<PixelGrid> grids_;
};

Result<bool> pictureFiles(PictureFrames& frames, const ExportSettings& settings,
                          const std::string& folder, const ExportProgress& progress,
                          FileSystemCalls& calls) {
    FileBatch batch(calls);
    if (auto made = batch.makeFolders(folder); !made)
        return std::unexpected(made.error());
    FolderPictures pictures(frames, settings);
    const std::string extension = exportExtension(settings.kind);
    for (std::int32_t n = 1; n <= frames.count(); ++n) {
        const auto bytes = pictures.bytes(n);
        if (!bytes) // named by the folder, as the file the export writes
            return notWritten(folder, bytes.error().reason);
        const std::string name = pictureFileName(n, frames.count(), extension);
        if (auto added = batch.add(inFolder(folder, name), *bytes); !added)
            return std::unexpected(added.error());
        if (progress && !progress(n, frames.count()))
            return false;
    }
    if (auto committed = batch.commit(); !committed)
        return std::unexpected(committed.error());
    return true;
}

// One header of every picture; progress hears of it once, when it is whole.
std::optional<std::string> headerOfPictures(PictureFrames& frames, const ExportSettings& settings,
                                            const ExportProgress& progress) {
    std::string header = cHeader(pictureGrids(frames.state(), frames.text()), settings.name,
                                 frames.state().Telefonname, settings.bytes);
    if (progress && !progress(frames.count(), frames.count()))
        return std::nullopt;
    return header;
}

} // namespace

Result<std::optional<std::string>> singleFileBytes(PictureFrames& frames,
                                                   const ExportSettings& settings,
                                                   const ExportProgress& progress) {
    // The GIF and sheet writers throw for pictures they cannot hold; here that becomes a
    // reason like any other.
    if (settings.kind == ExportKind::CHeader)
        return headerOfPictures(frames, settings, progress);
    try {
        if (settings.kind == ExportKind::Gif)
            return gifOfPictures(frames, settings.scale, settings.delayMs, progress);
        const auto sheet = contactSheet(frames, settings.columns, settings.scale, progress);
        if (!sheet)
            return std::nullopt;
        // A palette image: the sheet has a handful of colours, and compresses twice as fast.
        return pngBytes(sheet->convertToFormat(QImage::Format_Indexed8));
    } catch (const std::runtime_error& e) {
        return fail(e.what());
    }
}

bool exportsFolder(ExportKind kind) {
    return kind == ExportKind::PngFiles || kind == ExportKind::XbmFiles ||
           kind == ExportKind::PbmFiles;
}

std::string exportExtension(ExportKind kind) {
    switch (kind) {
    case ExportKind::Gif:
        return "gif";
    case ExportKind::XbmFiles:
        return "xbm";
    case ExportKind::PbmFiles:
        return "pbm";
    case ExportKind::CHeader:
        return "h";
    case ExportKind::PngFiles:
    case ExportKind::Sheet:
        break;
    }
    return "png";
}

bool exportsEnlarged(ExportKind kind) {
    return kind == ExportKind::PngFiles || kind == ExportKind::Gif || kind == ExportKind::Sheet;
}

std::string pictureFileName(std::int32_t number, std::int32_t count, std::string_view extension) {
    const std::size_t width = std::max<std::size_t>(3, std::to_string(count).size());
    std::string digits = std::to_string(number);
    digits.insert(0, width - std::min(width, digits.size()), '0');
    return "bild-" + digits + "." + std::string(extension);
}

Result<std::string> pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // An enlargement too large for memory is a null image, which saves nothing.
    if (image.isNull() || !image.save(&buffer, "PNG"))
        return fail("Das Bild ist zu groß, um es als PNG zu schreiben");
    return bytes.toStdString();
}

Result<bool> exportPictures(PictureFrames& frames, const ExportSettings& settings,
                            const std::string& out, const ExportProgress& progress,
                            FileSystemCalls& calls) {
    if (exportsFolder(settings.kind))
        return pictureFiles(frames, settings, out, progress, calls);
    const auto bytes = singleFileBytes(frames, settings, progress);
    if (!bytes)
        return notWritten(out, bytes.error().reason);
    if (!*bytes)
        return false;
    if (auto written = writeWholeFile(out, **bytes, calls); !written)
        return std::unexpected(written.error());
    return true;
}

} // namespace smssim
