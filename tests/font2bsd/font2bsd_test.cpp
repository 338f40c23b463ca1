// smssim-font2bsd: exit statuses and reasons, glyphs on the baseline as the loader reads
// them, the name of a phone, and the shipped phones from their font.

#include "failing_calls.h"
#include "font2bsd_cli.h"
#include "phone_loader.h"
#include "temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace smssim;
using test::bytesOf;

const std::string kFonts = SMSSIM_TEST_DATA "/fonts/";
const std::string kMisc = "/usr/share/fonts/X11/misc/";
const smssim::test::TempDir kTempDir;
const fs::path& kTemp = kTempDir.path();

using Step = test::FailingCalls::Step;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& args, FileSystemCalls& calls = realFileSystemCalls()) {
    std::ostringstream out, err;
    const int status = runFont2bsd(args, out, err, calls);
    return {status, out.str(), err.str()};
}

struct Case {
    const char* name;
    std::vector<std::string> args; // "OUT" stands for an existing phone in a folder of its own
    int status;
    std::string reason;
    Step failing = Step::None; // of the file system
    int error = 0;
};

class Statuses : public testing::TestWithParam<Case> {};

TEST_P(Statuses, ExitWithTheReasonAndReplaceThePhoneOnlyOnSuccess) {
    const Case& c = GetParam();
    const test::TempDir dir;
    const std::map<std::string, std::string> old{{"old.bsd", "alt"}};
    std::ofstream(dir / "old.bsd") << "alt";
    std::vector<std::string> args = c.args;
    const bool writes = std::find(args.begin(), args.end(), "OUT") != args.end() && c.status == 0;
    std::replace(args.begin(), args.end(), std::string("OUT"), dir / "old.bsd");
    test::FailingCalls calls(c.failing, c.error);
    const Outcome r = run(args, calls);
    EXPECT_EQ(r.status, c.status);
    EXPECT_THAT(r.out + r.err, testing::HasSubstr(c.reason));
    std::istringstream messages(r.err);
    for (std::string line; std::getline(messages, line);)
        EXPECT_THAT(line, testing::StartsWith("smssim-font2bsd: ")) << "one line each";
    EXPECT_EQ(dir.contents() != old, writes) << "byte for byte, and no temporary file left";
}

const std::string kFixture = kFonts + "fixture.bdf";
const std::string kNone = kFonts + "none.bdf";
const std::string kMisfits = "2 Zeichen zu groß: T (Zeilen -4..6, Spalten 2..2), W (Zeilen 4..4, "
                             "Spalten 1..11). Ein Zeichen";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Font2bsd, Statuses, testing::Values(
    Case{"Misfits", {kFixture, "--out", "OUT"}, 1, kMisfits},
    Case{"ManyMisfits", {kMisc + "10x20.pcf.gz", "--out", "OUT"}, 1, "“ sind 195 Zeichen zu groß, z. B. ! (Zeilen 4..16, Spalten 5..6), # ("},
    Case{"Cropped", {kFixture, "--out", "OUT", "--crop"}, 0, "weggelassen: U+0020 ! \""},
    Case{"NoSpace", {kFixture, "--crop", "--out", "OUT"}, 1, "kein Platz", Step::Write, ENOSPC},
    Case{"NoPermission", {kFixture, "--crop", "--out", "OUT"}, 1, "old.bsd“ kann nicht geschrieben werden. Keine Berechtigung.\n", Step::Open, EACCES},
    Case{"NoCp1252", {kFonts + "omega.bdf", "--out", "OUT"}, 1, "kein Windows-1252"},
    Case{"NoFont", {kFonts + "../messages/Hallo.n51", "--out", "OUT"}, 1, "n51“ ist keine"},
    Case{"NoFile", {kNone, "--out", "OUT"}, 1, "none.bdf“ kann nicht gelesen werden. Die Datei wurde nicht gefunden."},
    Case{"NoFolder", {kFixture, "--crop", "--out", kNone + "/x.bsd"}, 1, "nicht gefunden"},
    Case{"NoOut", {kFixture}, 2, "--out DATEI.bsd fehlt (siehe --help)"},
    Case{"Display", {kFixture, "--out", "OUT", "--display", "84"}, 2, "BREITExHÖHE"},
    Case{"LowDisplay", {kFixture, "--out", "OUT", "--display", "84x5"}, 2, "--picture-height"},
    Case{"Colour", {kFixture, "--out", "OUT", "--colour", "96BE7G"}, 2, "RRGGBB"},
    Case{"Quote", {kFixture, "--out", "OUT", "--name", "a\"b"}, 2, "Anführungszeichen"},
    Case{"PixelSize", {kFixture, "--out", "OUT", "--pixel-size", "7"}, 2, "Pixelgrößen 6"},
    Case{"Help", {"-h"}, 0, "  --display BxH       Breite und Höhe des Displays in Pixeln (Vorgabe: 84x48)\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Breite, then the rows of "#" and "." joined by "|", the empty column left out.
std::string picture(const ZeichenTyp& g) {
    std::string rows = std::to_string(g.Breite);
    for (int r = 1; r <= g.Hoehe; ++r)
        for (int c = 0; c < g.Breite; ++c)
            rows += c == 0 ? '|' : g.punkt(r, c) ? '#' : '.';
    return rows;
}

TEST(Font2bsd, GlyphsKeepBaselineAndAdvanceAndSplitAtTheGsmAlphabet) {
    const fs::path out = kTemp / "fixture.bsd";
    ASSERT_EQ(run({kFixture, "--out", out.string(), "--crop", "--name", "Fix, 1"}).status, 0);
    Module1 s;
    const auto loaded = ZeichensatzLaden(s, out.string());
    ASSERT_TRUE(loaded) << loaded.error().reason;
    EXPECT_EQ(s.Telefonname, "Fix, 1");
    EXPECT_EQ(std::tie(s.Zeilenhoehe, s.Bildhoehe, s.Zeilenbreite),
              std::make_tuple(6.0, 48.0, 82.0));
    EXPECT_EQ(std::tuple(loaded->verfuegbar, loaded->sonder), std::tuple("\n\rTWag", "|\xAD"));
    const std::pair<int, std::string> glyphs[] = {
        {'a', "4|...|###|#.#|###|...|..."},
        {'g', "4|...|...|###|#.#|###|..#"},
        {'|', "2|#|#|#|#|#|."}, // ink in its only column: one more
        {'T', "4|.#.|.#.|.#.|.#.|.#.|.#."},
        {'W', "10|.........|.........|.........|#########|.........|........."},
        {0xAD, "0"}};
    for (const auto& [code, rows] : glyphs)
        EXPECT_EQ(picture(s.Zeichen[code]), rows) << code;
    // Without --name, the font's family and size.
    ASSERT_EQ(run({kMisc + "6x10.pcf.gz", "--out", out.string()}).status, 0);
    ASSERT_TRUE(ZeichensatzLaden(s, out.string()));
    EXPECT_EQ(s.Telefonname, "Fixed 6x10");
}

TEST(Font2bsd, ShippedPhonesComeFromTheShippedFont) {
    fs::create_directories(kTemp / "phones");
    const std::string command = "bash '" SMSSIM_SOURCE_DIR
                                "/scripts/make_phones.sh' '" SMSSIM_FONT2BSD_EXE "' '" +
                                (kTemp / "phones").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* phone : {"Nokia 5110.bsd", "Kommunikator 9000.bsd", "Klassik 2000.bsd"})
        EXPECT_EQ(bytesOf(kTemp / "phones" / phone), bytesOf(fs::path(SMSSIM_PHONES_DIR) / phone))
            << phone;
}

} // namespace
