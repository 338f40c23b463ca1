// Export of every picture: each PNG, GIF frame and sheet cell equals the LcdImage of its
// picture; failures and cancels leave the folder as it was.

#include "contact_sheet.h"
#include "dot_recorder.h"
#include "failing_calls.h"
#include "picture_export.h"
#include "pixel_decode.h"
#include "temp_dir.h"
#include "test_phone.h"

#include <QImage>
#include <QImageReader>
#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace smssim;

namespace {

// Nine lines on the test phone: five pictures, the last one half full.
const std::string kText = "A\r\nB\r\nC\r\nA\r\nB\r\nC\r\nA\r\nB\r\nC";

Module1 miniPhone() {
    Module1 s = test::loadTestPhone();
    s.Absaetze = true;
    return s;
}

QImage lcdOf(Module1 s, std::int32_t picture) {
    LcdImage lcd;
    lcd.resize(displayPictureSize(s), s.Displaybreite, s.Displayhoehe);
    s.Bildversatz = bildversatzFuer(picture, s.Bildhoehe);
    DisplayZeichnen(s, kText, lcd);
    return lcd.image();
}

// Every pixel of `got` in the block at `at` is the LcdImage pixel it enlarges.
void expectPicture(const QImage& got, std::int32_t picture, int scale, QPoint at = {}) {
    const QImage lcd = lcdOf(miniPhone(), picture);
    int wrong = 0;
    for (int y = 0; y < lcd.height() * scale; ++y)
        for (int x = 0; x < lcd.width() * scale; ++x)
            wrong += got.pixel(at + QPoint(x, y)) != lcd.pixel(x / scale, y / scale);
    EXPECT_EQ(wrong, 0) << "picture " << picture << " at scale " << scale;
}

// Read back by Qt's own decoder: five frames, each the LcdImage of its picture, shown
// 1.23 s, looping forever, with 8 bits per primary colour (byte 10 of the header).
void expectGif(const std::string& path, int scale) {
    QImageReader gif(QString::fromStdString(path));
    ASSERT_EQ(gif.imageCount(), 5) << path;
    EXPECT_EQ(gif.loopCount(), -1);
    for (int n = 1; n <= 5; ++n) {
        expectPicture(gif.read().convertToFormat(QImage::Format_RGB32), n, scale);
        EXPECT_EQ(gif.nextImageDelay(), 1230) << n;
    }
    EXPECT_EQ((test::bytesOf(path).at(10) >> 4 & 7) + 1, 8);
}

using test::FailingCalls;
using test::TempDir;

class EveryPicture : public testing::TestWithParam<std::tuple<ExportKind, int>> {};

TEST_P(EveryPicture, IsTheLcdImageOfThatPicture) {
    const auto [kind, scale] = GetParam();
    TempDir dir;
    PictureFrames frames(miniPhone(), kText);
    ASSERT_EQ(frames.count(), 5);
    const std::string out = dir / (kind == ExportKind::PngFiles ? "neu/bilder" : "aus");
    const auto written = exportPictures(frames, {kind, scale, 1234, 2}, out);
    ASSERT_TRUE(written) << written.error().reason;
    ASSERT_TRUE(*written) << "cancelled";
    const QSize picture = lcdOf(miniPhone(), 1).size();
    if (kind == ExportKind::PngFiles) {
        EXPECT_EQ(dir.contents().size(), 7u) << "two folders made, five files";
        for (int n = 1; n <= 5; ++n)
            expectPicture(QImage(QString::fromStdString(out + "/" + pictureFileName(n, 5))), n,
                          scale);
    } else if (kind == ExportKind::Gif) {
        expectGif(out, scale);
    } else {
        const QImage sheet(QString::fromStdString(out));
        EXPECT_EQ(sheet.size(), sheetSize(picture, 5, 2, scale));
        for (int n = 1; n <= 5; ++n)
            expectPicture(sheet, n, scale,
                          QPoint(8 + (n - 1) % 2 * (picture.width() + 8),
                                 8 + (n - 1) / 2 * (picture.height() + 8)) *
                              scale);
        EXPECT_EQ(sheet.pixel(sheet.width() - 1, sheet.height() - 1), kSheetGrey) << "empty cell";
    }
}

INSTANTIATE_TEST_SUITE_P(Export, EveryPicture,
                         testing::Combine(testing::Values(ExportKind::PngFiles, ExportKind::Gif,
                                                          ExportKind::Sheet),
                                          testing::Values(1, 3)));

// The cells of picture `n` where the phone draws a dot, from its dots as recorded.
std::vector<bool> dotCells(Module1 s, const std::string& text, std::int32_t n) {
    DotRecorder dots;
    s.Bildversatz = bildversatzFuer(n, s.Bildhoehe);
    DisplayZeichnen(s, text, dots);
    const int w = static_cast<int>(s.Displaybreite), h = static_cast<int>(s.Displayhoehe);
    std::vector<bool> cells(static_cast<std::size_t>(w * h));
    for (const Dot& d : dots.dots)
        if (d.x >= 0 && d.y >= 0 && d.x < static_cast<float>(w) && d.y < static_cast<float>(h))
            cells[static_cast<std::size_t>(static_cast<int>(d.y) * w + static_cast<int>(d.x))] =
                true;
    return cells;
}

std::vector<bool> blackCells(const QImage& image) {
    std::vector<bool> cells;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            cells.push_back(qGray(image.pixel(x, y)) < 128);
    return cells;
}

// XBM and P4 files read back by Qt, the C header by its own bytes, give the dots of each
// picture, on the test phone (10 rows: not whole pages) and the shipped phones.
TEST(FirmwarePictures, DecodeToTheDisplaysOwnGrid) {
    std::vector<std::pair<Module1, std::string>> phones{{miniPhone(), kText}};
    for (const char* name : {"Nokia 5110", "Kommunikator 9000", "Klassik 2000"}) {
        Module1 s;
        ASSERT_TRUE(ZeichensatzLaden(s, std::string(SMSSIM_PHONES_DIR) + "/" + name + ".bsd"));
        phones.emplace_back(s, "Gr\xFC\xDF"
                               "e an alle, bis morgen um 8! " +
                                   std::string(90, 'W'));
    }
    for (const auto& [phone, text] : phones) {
        TempDir dir;
        PictureFrames frames(phone, text);
        const int w = static_cast<int>(phone.Displaybreite),
                  h = static_cast<int>(phone.Displayhoehe);
        const std::int32_t count = frames.count();
        ASSERT_GT(count, 1) << phone.Telefonname;
        for (const ExportKind kind : {ExportKind::XbmFiles, ExportKind::PbmFiles})
            ASSERT_TRUE(exportPictures(frames, {kind}, dir / exportExtension(kind)));
        for (const ByteOrder order : {ByteOrder::Pages, ByteOrder::Rows}) {
            const std::string out = dir / (order == ByteOrder::Pages ? "pages.h" : "rows.h");
            ASSERT_TRUE(exportPictures(frames, {ExportKind::CHeader, 1, 0, 0, order, "lcd"}, out));
            const auto bytes = test::cArrayBytes(test::bytesOf(out), "= {");
            const std::size_t size = bytes.size() / static_cast<std::size_t>(count);
            EXPECT_EQ(size, static_cast<std::size_t>(order == ByteOrder::Pages ? w * ((h + 7) / 8)
                                                                               : (w + 7) / 8 * h));
            for (std::int32_t n = 1; n <= count; ++n)
                EXPECT_EQ(test::cellsOf(bytes, size * static_cast<std::size_t>(n - 1), w, h,
                                        order == ByteOrder::Pages ? test::Packing::Pages
                                                                  : test::Packing::Rows),
                          dotCells(phone, text, n))
                    << phone.Telefonname << " picture " << n
                    << (order == ByteOrder::Pages ? " pages" : " rows");
        }
        for (std::int32_t n = 1; n <= count; ++n)
            for (const char* extension : {"xbm", "pbm"}) {
                const QImage image(QString::fromStdString(
                    dir / (std::string(extension) + "/" + pictureFileName(n, count, extension))));
                ASSERT_EQ(image.size(), QSize(w, h)) << extension;
                EXPECT_EQ(blackCells(image), dotCells(phone, text, n))
                    << phone.Telefonname << " picture " << n << " " << extension;
            }
    }
}

// Outside its pictures the sheet is grey, but for each picture's number: 3 x 5 digits,
// 4 apart, flush with the picture's left edge and 2 pixels into the gap above it.
TEST(ContactSheet, NumbersEveryPictureAndIsGreyElsewhere) {
    const char* const digits[2][5] = {{"###", "#.#", "#.#", "#.#", "###"},  // 0
                                      {".#.", "##.", ".#.", ".#.", "###"}}; // 1
    std::string text = "A";
    for (int i = 0; i < 21; ++i)
        text += "\r\nA";
    PictureFrames frames(miniPhone(), text);
    ASSERT_EQ(frames.count(), 11);
    const int scale = 2;
    const auto sheet = contactSheet(frames, 4, scale, {});
    ASSERT_TRUE(sheet);
    const QSize picture = frames.pictureSize();
    // The unscaled sheet as text: 'P' not checked here (a picture), '#' black, '.' grey.
    std::vector<std::string> expected(sheet->height() / scale,
                                      std::string(sheet->width() / scale, '.'));
    for (int n = 1; n <= 11; ++n) {
        const int left = 8 + (n - 1) % 4 * (picture.width() + 8);
        const int top = 8 + (n - 1) / 4 * (picture.height() + 8);
        for (int y = 0; y < picture.height(); ++y)
            expected[top + y].replace(left, picture.width(), picture.width(), 'P');
        const std::string number = std::to_string(n);
        // Only the digits 0 and 1 are spelt out; the boxes of the others go unchecked.
        for (std::size_t d = 0; d < number.size(); ++d)
            for (int row = 0; row < 5; ++row)
                for (int column = 0; column < 3; ++column) {
                    const int digit = number[d] - '0';
                    expected[top - 6 + row][left + 4 * d + column] =
                        digit > 1 ? 'P' : digits[digit][row][column];
                }
    }
    int wrong = 0;
    for (int y = 0; y < sheet->height(); ++y)
        for (int x = 0; x < sheet->width(); ++x) {
            const char want = expected[y / scale][x / scale];
            if (want != 'P')
                wrong += sheet->pixel(x, y) != (want == '#' ? qRgb(0, 0, 0) : kSheetGrey);
        }
    EXPECT_EQ(wrong, 0);
}

TEST(ContactSheet, SizeFollowsCountColumnsAndScale) {
    const std::tuple<std::int32_t, int, int, QSize> rows[] = {
        {1, 4, 1, {26, 21}},   {4, 4, 1, {80, 21}}, {5, 4, 1, {80, 34}},
        {5, 2, 3, {132, 141}}, {3, 1, 2, {52, 94}}, {2, 9, 1, {44, 21}}};
    for (const auto& [count, columns, scale, size] : rows)
        EXPECT_EQ(sheetSize({10, 5}, count, columns, scale), size) << count << " " << columns;
    EXPECT_THROW(sheetSize({84, 48}, 32767, 4, 8), SheetTooLarge);
    EXPECT_EQ(pictureFileName(7, 999), "bild-007.png");
    EXPECT_EQ(pictureFileName(7, 1000), "bild-0007.png");
}

// Step::None: no call fails, a folder stands where the file should go. Each step's
// failure of a single file is tested with the save dialog; here the steps that several
// files and folders add.
TEST(ExportFailure, NamesTheFileAndLeavesEverythingAsItWas) {
    using Step = FailingCalls::Step;
    // clang-format off
    const std::tuple<ExportKind, Step, int, int, const char*, std::string> rows[] = {
        {ExportKind::PngFiles, Step::Rename, 4, EBUSY, "bilder/bild-003.png", "Die Datei ist in Benutzung"},
        {ExportKind::PngFiles, Step::Write, 3, ENOSPC, "bilder/bild-003.png", "Auf dem Datenträger ist kein Platz mehr"},
        {ExportKind::PngFiles, Step::Mkdir, 1, EACCES, "bilder", "Keine Berechtigung"},
        {ExportKind::PngFiles, Step::None, 0, 0, "bilder/bild-004.png", "Das ist ein Ordner, keine Datei"},
        {ExportKind::Sheet, Step::None, 0, 0, "aus", "Das ist ein Ordner, keine Datei"}};
    // clang-format on
    for (const auto& [kind, step, nth, error, where, reason] : rows) {
        SCOPED_TRACE(where);
        TempDir dir;
        const std::string out = dir / (kind == ExportKind::PngFiles ? "bilder" : "aus");
        if (step == Step::None)
            fs::create_directories(dir / where);
        else if (step == Step::Rename) // an earlier export, which must survive
            fs::create_directories(out), std::ofstream(out + "/bild-001.png") << "alt";
        const auto before = dir.contents();
        PictureFrames frames(miniPhone(), kText);
        FailingCalls calls(step, error, nth);
        const auto written = exportPictures(frames, {kind, 2}, out, {}, calls);
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().reason,
                  (step == Step::Mkdir ? "Der Ordner „" : "Die Datei „") + dir / where +
                      (step == Step::Mkdir ? "“ kann nicht angelegt" : "“ kann nicht geschrieben") +
                      " werden.\n" + reason + ".");
        EXPECT_EQ(dir.contents(), before);
    }
    for (ExportKind kind : {ExportKind::PngFiles, ExportKind::Gif, ExportKind::Sheet,
                            ExportKind::XbmFiles, ExportKind::CHeader}) {
        TempDir dir;
        PictureFrames frames(miniPhone(), kText);
        const auto cancelAtThree = [](std::int32_t done, std::int32_t) { return done < 3; };
        EXPECT_EQ(exportPictures(frames, {kind}, dir / "neu/aus", cancelAtThree), false);
        EXPECT_TRUE(dir.contents().empty()) << "cancelled";
    }
}

} // namespace
