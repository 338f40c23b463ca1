#include "picture_export.h"

#include "contact_sheet.h"
#include "error_reason.h"
#include "gif_writer.h"

#include <QBuffer>

namespace smssim {

namespace {

ExportError fromFailure(const WriteFailure& failure) {
    return {failure.datei, germanErrorReason(failure.error, FileAccess::Schreiben), failure.folder};
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

ExportResult failed(const WriteFailure& failure) {
    return {false, fromFailure(failure)};
}

ExportResult pngFiles(PictureFrames& frames, int scale, const std::string& folder,
                      const ExportProgress& progress, FileSystemCalls& calls) {
    FileBatch batch(calls);
    if (auto failure = batch.makeFolders(folder))
        return failed(*failure);
    for (std::int32_t n = 1; n <= frames.count(); ++n) {
        const std::string bytes = pngBytes(enlarged(frames.picture(n), scale));
        if (auto failure = batch.add(inFolder(folder, pictureFileName(n, frames.count())), bytes))
            return failed(*failure);
        if (progress && !progress(n, frames.count()))
            return {true, std::nullopt};
    }
    if (auto failure = batch.commit())
        return failed(*failure);
    return {};
}

} // namespace

std::optional<std::string> singleFileBytes(PictureFrames& frames, const ExportSettings& settings,
                                           const ExportProgress& progress) {
    if (settings.kind == ExportKind::Gif)
        return gifOfPictures(frames, settings.scale, settings.delayMs, progress);
    const auto sheet = contactSheet(frames, settings.columns, settings.scale, progress);
    if (!sheet)
        return std::nullopt;
    // A palette image: the sheet has a handful of colours, and compresses twice as fast.
    return pngBytes(sheet->convertToFormat(QImage::Format_Indexed8));
}

std::string ExportError::text() const {
    return (folder ? "Der Ordner „" + datei + "“ kann nicht angelegt werden.\n"
                   : "Die Datei „" + datei + "“ kann nicht geschrieben werden.\n") +
           grund + ".";
}

std::string pictureFileName(std::int32_t number, std::int32_t count) {
    const std::size_t width = std::max<std::size_t>(3, std::to_string(count).size());
    std::string digits = std::to_string(number);
    digits.insert(0, width - std::min(width, digits.size()), '0');
    return "bild-" + digits + ".png";
}

std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // An enlargement too large for memory is a null image, which saves nothing.
    if (image.isNull() || !image.save(&buffer, "PNG"))
        throw std::runtime_error("Das Bild ist zu groß, um es als PNG zu schreiben");
    return bytes.toStdString();
}

ExportResult exportPictures(PictureFrames& frames, const ExportSettings& settings,
                            const std::string& out, const ExportProgress& progress,
                            FileSystemCalls& calls) {
    std::optional<std::string> bytes;
    try {
        if (settings.kind == ExportKind::PngFiles)
            return pngFiles(frames, settings.scale, out, progress, calls);
        bytes = singleFileBytes(frames, settings, progress);
    } catch (const std::runtime_error& e) {
        return {false, ExportError{out, e.what(), false}};
    }
    if (!bytes)
        return {true, std::nullopt};
    if (const auto failure = writeWholeFile(out, *bytes, calls))
        return {false, fromFailure(*failure)};
    return {};
}

std::optional<ExportError> writeExportFile(const std::string& path, std::string_view bytes) {
    if (const auto failure = writeWholeFile(path, bytes))
        return fromFailure(*failure);
    return std::nullopt;
}

} // namespace smssim
