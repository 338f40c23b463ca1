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

Result<bool> pngFiles(PictureFrames& frames, int scale, const std::string& folder,
                      const ExportProgress& progress, FileSystemCalls& calls) {
    FileBatch batch(calls);
    if (auto made = batch.makeFolders(folder); !made)
        return std::unexpected(made.error());
    for (std::int32_t n = 1; n <= frames.count(); ++n) {
        const auto bytes = pngBytes(enlarged(frames.picture(n), scale));
        if (!bytes) // named by the folder, as the file the export writes
            return notWritten(folder, bytes.error().reason);
        if (auto added = batch.add(inFolder(folder, pictureFileName(n, frames.count())), *bytes);
            !added)
            return std::unexpected(added.error());
        if (progress && !progress(n, frames.count()))
            return false;
    }
    if (auto committed = batch.commit(); !committed)
        return std::unexpected(committed.error());
    return true;
}

} // namespace

Result<std::optional<std::string>> singleFileBytes(PictureFrames& frames,
                                                   const ExportSettings& settings,
                                                   const ExportProgress& progress) {
    // The GIF and sheet writers throw for pictures they cannot hold; here that becomes a
    // reason like any other.
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

std::string pictureFileName(std::int32_t number, std::int32_t count) {
    const std::size_t width = std::max<std::size_t>(3, std::to_string(count).size());
    std::string digits = std::to_string(number);
    digits.insert(0, width - std::min(width, digits.size()), '0');
    return "bild-" + digits + ".png";
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
    if (settings.kind == ExportKind::PngFiles)
        return pngFiles(frames, settings.scale, out, progress, calls);
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
