// The menu commands that share what the display shows: every picture exported to files,
// the picture shown copied to the clipboard, the phone's font exported for other tools.

#include "form1.h"

#include "display_picture.h"
#include "file_batch.h"
#include "font_export.h"
#include "picture_export.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QStatusBar>
#include <memory>

namespace smssim {

namespace {

// Exports of more pictures than this show how far they are and can be cancelled.
constexpr std::int32_t kProgressAbove = 200;

std::unique_ptr<QProgressDialog> progressDialog(QWidget* parent, std::int32_t count) {
    auto dialog =
        std::make_unique<QProgressDialog>(QStringLiteral("Die Bilder werden exportiert …"),
                                          QStringLiteral("Abbrechen"), 0, count, parent);
    dialog->setObjectName(QStringLiteral("ExportFortschritt"));
    dialog->setWindowTitle(QStringLiteral("Bilder exportieren"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    return dialog;
}

} // namespace

void Form1::BilderExportieren_Click() {
    const std::optional<ExportChoice> choice = chooseExport_ ? chooseExport_() : std::nullopt;
    if (!choice)
        return;
    lastExport_ = choice;
    // The message and phone as shown; the window's own picture stays where it is.
    PictureFrames frames(state_, messageText());
    std::unique_ptr<QProgressDialog> progress;
    ExportProgress tell;
    if (frames.count() > kProgressAbove) {
        progress = progressDialog(this, frames.count());
        tell = [&progress](std::int32_t done, std::int32_t) {
            progress->setValue(done);
            return !progress->wasCanceled();
        };
    }
    const Result<bool> written = exportPictures(frames, choice->settings, choice->path, tell);
    progress.reset();
    if (!written)
        boxes_.warn(this, QString::fromStdString(written.error().reason));
    else if (*written)
        statusBar()->showMessage(
            (frames.count() == 1 ? QStringLiteral("1 Bild")
                                 : QStringLiteral("%1 Bilder").arg(frames.count())) +
                QStringLiteral(" exportiert: ") + QString::fromStdString(choice->path),
            10000);
}

void Form1::BildKopieren_Click() {
    QGuiApplication::clipboard()->setImage(bild1_->image());
    statusBar()->showMessage(QStringLiteral("Bild in die Zwischenablage kopiert"), 10000);
}

void Form1::ZeichensatzExportieren_Click() {
    const std::optional<FontChoice> choice = chooseFontExport_ ? chooseFontExport_() : std::nullopt;
    if (!choice)
        return;
    lastFontExport_ = choice;
    const Result<std::string> file = fontFile(choice->format, state_, lists_, choice->name);
    const Result<> written = file ? writeWholeFile(choice->path, *file)
                                  : Result<>(notWritten(choice->path, file.error().reason));
    if (!written) {
        boxes_.warn(this, QString::fromStdString(written.error().reason));
        return;
    }
    statusBar()->showMessage(
        QStringLiteral("Zeichensatz exportiert: ") + QString::fromStdString(choice->path), 10000);
}

} // namespace smssim
