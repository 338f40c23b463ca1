// smssim-font2bsd and smssim-bsd2font: exit statuses and reasons, glyphs on the baseline
// as the loader reads them, the name of a phone, the shipped phones from their font and
// back, and the fonts of a phone as FreeType and Adafruit_GFX read them.

#include "bitmap_font.h"
#include "bsd2font_cli.h"
#include "cp1252.h"
#include "failing_calls.h"
#include "font2bsd_cli.h"
#include "phone_loader.h"
#include "temp_dir.h"
#include "test_phone.h"

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

using Program = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&,
                        FileSystemCalls&);

Outcome run(const std::vector<std::string>& args, FileSystemCalls& calls = realFileSystemCalls(),
            Program program = runFont2bsd) {
    std::ostringstream out, err;
    const int status = program(args, out, err, calls);
    return {status, out.str(), err.str()};
}

// A test phone's file in kTemp, with `more` fields at its end.
std::string phoneFile(const std::string& name, const test::TestPhone& phone,
                      const std::string& more = "") {
    std::ofstream(kTemp / name, std::ios::binary) << test::testPhone(phone) << more;
    return (kTemp / name).string();
}

struct Case {
    const char* name;
    std::vector<std::string> args; // "OUT" stands for an existing phone in a folder of its own
    int status;
    std::string reason;
    Step failing = Step::None; // of the file system
    int error = 0;
    Program program = runFont2bsd;
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
    const Outcome r = run(args, calls, c.program);
    EXPECT_EQ(r.status, c.status);
    EXPECT_THAT(r.out + r.err, testing::HasSubstr(c.reason));
    std::istringstream messages(r.err);
    const char* prefix = c.program == runBsd2font ? "smssim-bsd2font: " : "smssim-font2bsd: ";
    for (std::string line; std::getline(messages, line);)
        EXPECT_THAT(line, testing::StartsWith(prefix)) << "one line each";
    EXPECT_EQ(dir.contents() != old, writes) << "byte for byte, and no temporary file left";
}

const std::string kFixture = kFonts + "fixture.bdf";
const std::string kNone = kFonts + "none.bdf";
const std::string kNokia = SMSSIM_PHONES_DIR "/Nokia 5110.bsd";
const std::string kNoGlyphs = phoneFile("none.bsd", {.glyphs = {}});
// Pitches at the ends of an 8-bit yAdvance and beyond.
std::string pitchPhone(int pitch) {
    return phoneFile(std::to_string(pitch) + ".bsd",
                     {.header = {"Hoch", 20, 256, ".min", 0, 300, 24, pitch, true, true}});
}
const Program b2f = runBsd2font;
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
    Case{"Help", {"-h"}, 0, "  --display BxH       Breite und Höhe des Displays in Pixeln (Vorgabe: 84x48)\n"},
    Case{"Bdf", {kNokia, "--out", "OUT"}, 0, "", Step::None, 0, b2f},
    Case{"Gfx", {kNokia, "--out", "OUT", "--format=gfx", "--name", "a_1"}, 0, "", Step::None, 0, b2f},
    Case{"FontNoOut", {kNokia, "--format", "gfx"}, 2, "--out DATEI fehlt (siehe", Step::None, 0, b2f},
    Case{"C", {kNokia, "--out", "OUT", "--format", "c", "--name", "nokia"}, 0, "", Step::None, 0, b2f},
    Case{"FontFormat", {kNokia, "--out", "OUT", "--format", "C"}, 2, "Format „C“ (bdf, gfx oder c)", Step::None, 0, b2f},
    Case{"FontName", {kNokia, "--out", "OUT", "--format", "gfx", "--name", "1n"}, 2, "nicht „1n“", Step::None, 0, b2f},
    Case{"FontNoPhone", {kNone, "--out", "OUT"}, 1, "none.bdf“ kann nicht geladen werden", Step::None, 0, b2f},
    Case{"FontNoGlyph", {kNoGlyphs, "--out", "OUT", "--format", "gfx"}, 1, "none.bsd“: Das Telefon „Mini“ hat kein Zeichen", Step::None, 0, b2f},
    Case{"FontPitch", {pitchPhone(256), "--out", "OUT", "--format", "gfx"}, 1, "Zeilenhöhe 256 passt nicht", Step::None, 0, b2f},
    Case{"FontPitch255", {pitchPhone(255), "--out", "OUT", "--format", "gfx"}, 0, "", Step::None, 0, b2f},
    Case{"FontPitch0", {pitchPhone(0), "--out", "OUT", "--format", "gfx"}, 0, "", Step::None, 0, b2f},
    Case{"FontNoSpace", {kNokia, "--out", "OUT"}, 1, "kein Platz", Step::Write, ENOSPC, b2f},
    Case{"FontHelp", {"-h"}, 0, "--format FORMAT  bdf: BDF 2.1, Unicode (Vorgabe)\n", Step::None, 0, b2f}),
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

// The shipped phones with the options scripts/make_phones.sh makes them with.
const std::pair<std::string, std::vector<std::string>> kShipped[] = {
    {"Nokia 5110", {"--display", "84x48", "--colour", "96BE78", "--extension", ".n51"}},
    {"Kommunikator 9000",
     {"--display", "128x64", "--colour", "AABECD", "--extension", ".k90", "--paragraphs"}},
    {"Klassik 2000",
     {"--display", "72x40", "--picture-height", "30", "--colour", "EBA532", "--extension", ".k20",
      "--no-word-wrap"}}};

TEST(Font2bsd, ShippedPhonesComeFromTheShippedFontAndBackFromTheirBdf) {
    fs::create_directories(kTemp / "phones");
    const std::string command = "bash '" SMSSIM_SOURCE_DIR
                                "/scripts/make_phones.sh' '" SMSSIM_FONT2BSD_EXE "' '" +
                                (kTemp / "phones").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const auto& [name, options] : kShipped) {
        const fs::path shipped = fs::path(SMSSIM_PHONES_DIR) / (name + ".bsd");
        EXPECT_EQ(bytesOf(kTemp / "phones" / (name + ".bsd")), bytesOf(shipped)) << name;
        const std::string bdf = (kTemp / "back.bdf").string(), bsd = (kTemp / "back.bsd").string();
        ASSERT_EQ(run({shipped.string(), "--out", bdf}, realFileSystemCalls(), runBsd2font).status,
                  0);
        std::vector<std::string> args{bdf, "--out", bsd, "--name", name};
        args.insert(args.end(), options.begin(), options.end());
        ASSERT_EQ(run(args).status, 0) << name;
        EXPECT_EQ(bytesOf(bsd), bytesOf(shipped)) << name;
    }
}

// "advance: x,y x,y": where a glyph's pixels fall from the pen on the baseline, x right
// and y down, row by row; `set(row, column)` of a bitmap `top` rows above the baseline.
template <class Set>
std::string inkText(int advance, int rows, int columns, int left, int top, Set set) {
    std::string out = std::to_string(advance) + ":";
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            if (set(y, x))
                out += " " + std::to_string(left + x) + "," + std::to_string(y - top);
    return out;
}

using Ink = std::map<int, std::string>; // by code

std::string text(const Ink& ink) {
    std::string out;
    for (const auto& [code, glyph] : ink)
        out += std::to_string(code) + " " + glyph + "\n";
    return out;
}

// Glyphs of different heights, one without room, special characters, control codes with
// and without pixels, and names that are no C comment and no BDF string as they are.
std::string oddPhone(const std::string& file, const std::string& name) {
    test::TestPhone p;
    p.header.name = name;
    p.glyphs['|'] = {"#", "#", "#", "#", "_#"};
    p.glyphs[0xAD] = {};
    return phoneFile(file, p, "0\r\n:#_____#\r\n1\r\n:#\r\n7\r\n:_\r\n127\r\n:_\r\n");
}

// The odd phone's BDF up to its second glyph: the X font name holds no '-', '"', '*' and
// no byte outside ASCII, the family's quote is doubled; 75 dpi, the advance in SWIDTH.
const std::string kOddBdf =
    "STARTFONT 2.1\nCOMMENT Made by smssim-bsd2font: every glyph hangs from the top of the line as "
    "on the phone.\nFONT -smssim-_/ _\\ /___-Medium-R-Normal--5-50-75-75-P-33-ISO10646-1\n"
    "SIZE 5 75 75\nFONTBOUNDINGBOX 8 5 0 0\nSTARTPROPERTIES 16\nFOUNDRY \"smssim\"\n"
    "FAMILY_NAME \"*/ \"\"\\ /*\xC3\xA4\xE2\x80\x9C\"\nWEIGHT_NAME \"Medium\"\nSLANT \"R\"\n"
    "SETWIDTH_NAME \"Normal\"\nADD_STYLE_NAME \"\"\nPIXEL_SIZE 5\nPOINT_SIZE 50\n"
    "RESOLUTION_X 75\nRESOLUTION_Y 75\nSPACING \"P\"\nAVERAGE_WIDTH 33\n"
    "CHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\nFONT_ASCENT 5\nFONT_DESCENT 0\n"
    "ENDPROPERTIES\nCHARS 10\nSTARTCHAR uni0000\nENCODING 0\nSWIDTH 1536 0\nDWIDTH 8 0\n"
    "BBX 8 1 0 4\nBITMAP\n82\nENDCHAR\n";
const char* const kOddGfx[] = {
    "/* * / \"\\ / *\xC3\xA4\xE2\x80\x9C: an Adafruit-GFX font made by smssim-bsd2font. "
    "Windows-1252 codes 0x00 to 0xE4;",
    "    {2, 0, 0, 0, 0, 0}, /* 0x02  */\n", "    {12, 4, 3, 4, 0, -5}  /* 0xE4 \xC3\xA4 */\n};",
    "font_1Glyphs, 0x00, 0xE4, 4};\n#endif\n"};

TEST(Bsd2font, FreeTypeAndAdafruitGfxDrawEachGlyphWhereThePhoneDoes) {
    std::vector<std::string> phones{oddPhone("odd.bsd", "*/ \"\\ /*\xE4\x93"),
                                    oddPhone("lines.bsd", "\"Zeile\r\nzwei\"")};
    for (const auto& [name, options] : kShipped)
        phones.push_back(SMSSIM_PHONES_DIR "/" + name + ".bsd");
    const std::string bdf = kTempDir / "font.bdf", gfx = kTempDir / "font.h";
    const std::string drawn = kTempDir / "drawn.txt", reader = kTempDir / "reader";
    for (const std::string& phone : phones) {
        SCOPED_TRACE(phone);
        Module1 s;
        const auto lists = ZeichensatzLaden(s, phone);
        ASSERT_TRUE(lists);
        ASSERT_EQ(run({phone, "--out", bdf}, realFileSystemCalls(), runBsd2font).status, 0);
        auto font = BitmapFont::open(bdf);
        ASSERT_TRUE(font) << font.error().reason;
        std::string codes = lists->verfuegbar + lists->sonder;
        // The line ends, the bell and DEL draw nothing.
        std::erase_if(codes,
                      [](char c) { return c == '\n' || c == '\r' || c == '\a' || c == 127; });
        int ascent = 1;
        for (const char c : codes)
            ascent = std::max<int>(ascent, s.Zeichen[static_cast<std::uint8_t>(c)].Hoehe);
        Ink ink, freetype{{-1, font->glyph(U'\n').value_or(std::nullopt) ? "a line end" : ""}};
        for (const char c : codes) {
            const ZeichenTyp& g = s.Zeichen[static_cast<std::uint8_t>(c)];
            ink[static_cast<std::uint8_t>(c)] =
                inkText(g.Breite, g.Hoehe, g.Breite, 0, ascent,
                        [&](int y, int x) { return g.punkt(y + 1, x + 1); });
            const auto f = font->glyph(cp1252ToUnicode(static_cast<std::uint8_t>(c)));
            freetype[static_cast<std::uint8_t>(c)] =
                f && *f ? inkText((*f)->advance, (*f)->rows, (*f)->width, (*f)->left, (*f)->top,
                                  [&](int y, int x) { return (*f)->set(y, x); })
                        : "missing";
        }
        EXPECT_EQ(text(freetype), "-1 \n" + text(ink));
        const std::string bdfText = bytesOf(bdf);
        if (phone == phones.front()) {
            EXPECT_EQ(bdfText.substr(0, bdfText.find("STARTCHAR uni0001")), kOddBdf);
        }
        ASSERT_EQ(run({phone, "--out", gfx, "--format", "gfx", "--name", "font_1"},
                      realFileSystemCalls(), runBsd2font)
                      .status,
                  0);
        const std::string compile = "cc -std=c99 -Wall -Wextra -pedantic -Werror -DGFX_FONT=font_1 "
                                    "-include '" +
                                    gfx + "' -o '" + reader +
                                    "' '" SMSSIM_TEST_SUPPORT "/gfx_reader.c' && '" + reader +
                                    "' > '" + drawn + "'";
        ASSERT_EQ(std::system(compile.c_str()), 0);
        for (const char* part : kOddGfx)
            EXPECT_TRUE(phone != phones.front() || bytesOf(gfx).find(part) != std::string::npos)
                << part;
        // Codes between the first glyph and the last without one are empty.
        for (int code = ink.begin()->first; code < ink.rbegin()->first; ++code)
            ink.try_emplace(code, "0:");
        EXPECT_EQ(bytesOf(drawn),
                  text(ink) + "yAdvance " + std::to_string(static_cast<int>(s.Zeilenhoehe)) + "\n");
    }
}

} // namespace
