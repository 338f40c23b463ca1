// The layout library compiled with the system's C compiler draws the engine's dots, in the
// engine's order, and counts its pictures.

#include "dot_recorder.h"
#include "layout_library.h"
#include "numbers.h"
#include "temp_dir.h"
#include "test_phone.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

using namespace smssim;

namespace {

using Change = std::function<void(Module1&)>;
const Change kAsIs = [](Module1&) {};
Change set(double PhoneData::*field, double value) {
    return [=](Module1& s) { s.*field = value; };
}
// Glyphs no shipped phone has: at codes 0 and 255, one column wide, a dot only in the
// last column (a code defined twice keeps the pixels of its wider first glyph).
const Change kOddGlyphs = [](Module1& s) {
    s.Zeichen[0] = s.Zeichen[255] = s.Zeichen['A'];
    s.Zeichen[255].Hoehe = 5, s.Zeichen[255].punkt(5, 4) = -1, s.Zeichen[0].Breite = 1;
};
Change heightAndPitch(double bildhoehe, double zeilenhoehe) {
    return [=](Module1& s) { s.Bildhoehe = bildhoehe, s.Zeilenhoehe = zeilenhoehe; };
}
const std::string kPhones = SMSSIM_PHONES_DIR "/";

// What the shell command prints in `dir`, with its errors.
std::string run(const std::string& command, const test::TempDir& dir) {
    const std::string line = "cd '" + dir.path().string() + "' && { " + command + "; } > out 2>&1";
    EXPECT_EQ(std::system(line.c_str()), 0) << command;
    return test::bytesOf(dir / "out");
}

// Words, CR LF, and every byte now and then, glyph or none.
std::string thousandCharacters() {
    std::string text;
    for (unsigned i = 0, r = 7; text.size() < 1000; ++i, r = r * 1103515245 + 12345)
        text += i % 53 == 52 ? "\r\n" : i % 7 == 6 ? " " : std::string(1, char(r >> 16));
    return text.substr(0, 1000);
}

struct Message {
    std::string text;
    bool paragraphs;
    int picture; // 0: the last one
};

const std::string k1000 = thousandCharacters();
const std::string kCrLfs = std::regex_replace(std::string(500, '.'), std::regex("\\."), "\r\n");
// clang-format off
const Message kMessages[] = {
    {"", false, 1}, {"AB C\r\n", true, 1}, {"AB C\r\n", false, 1},
    {"A " + std::string(60, 'B') + " C.A", false, 1},
    {k1000, true, 1}, {k1000, true, 2}, {k1000, true, 0}, {k1000, false, 0},
    // Tops far from the display, where floats are no longer whole numbers.
    {k1000, true, -32768}, {k1000, true, 32767},
    // 500 lines: pictures past the int16_t range, float steps that round.
    {kCrLfs, true, 1}, {kCrLfs, true, -32768}, {kCrLfs, true, 32767},
    // A lone CR ends the word that word wrap measures; code 0 is a character too.
    {"A B\r" + std::string(40, 'B') + std::string(1, '\0'), false, 1}};
// clang-format on

struct PhoneCase {
    const char* name;
    Change change = kAsIs;
    std::string data = test::testPhone(); // the phone definition file
};

class Library : public ::testing::TestWithParam<PhoneCase> {};

TEST_P(Library, DrawsTheEnginesDots) {
    Module1 s;
    const auto lists = ZeichensatzLadenAusDaten(s, GetParam().data, "phone.bsd");
    ASSERT_TRUE(lists) << lists.error().reason;
    GetParam().change(s);
    const auto header = layoutLibrary(s, *lists, "phone");
    ASSERT_TRUE(header) << header.error().reason;
    const test::TempDir dir;
    std::ofstream(dir / "phone.h") << *header;
    std::ofstream input(dir / "messages", std::ios::binary);
    std::string expected;
    for (const Message& m : kMessages) {
        s.Absaetze = m.paragraphs && lists->absaetzeErlaubt;
        DotRecorder dots;
        s.Bildversatz = 0;
        const auto count = [&] {
            return std::clamp(DisplayZeichnen(s, m.text, dots).bildanzahl, -32768, 32767);
        };
        const int picture = m.picture ? m.picture : count();
        s.Bildversatz = bildversatzFuer(picture, s.Bildhoehe);
        expected += "Bildanzahl: " + std::to_string(count()) + "\n";
        for (const Dot& d : dots.dots)
            expected += numberToText(d.x) + " " + numberToText(d.y) + "\n";
        input << picture << ' ' << m.paragraphs << ' ' << m.text.size() << '\n' << m.text;
    }
    input.close();
    const std::string cc = std::string(CC_FOR_TESTS) + " -std=c99 -Wall -Wextra -pedantic -Werror ";
    EXPECT_EQ(
        run(cc + "-I. -DHEADER='\"phone.h\"' -o driver '" LAYOUT_DRIVER "' && ./driver messages",
            dir),
        expected);
    if (GetParam().name != std::string("Nokia5110") || !*SIZE_FOR_TESTS)
        return;
    // The code and tables a device needs, built for size; a second phone beside it costs
    // nothing unless it is drawn.
    std::ofstream(dir / "other.h") << layoutLibrary(s, *lists, "other").value_or("");
    std::ofstream(dir / "size.c")
        << "#include \"phone.h\"\n#include \"other.h\"\nint16_t f(const uint8_t *t, uint16_t n, "
           "phone_pixel_fn p) { return phone_draw(t, n, 1, 0, p, 0); }\n";
    std::istringstream sizes(run(cc + "-Os -c size.c && " SIZE_FOR_TESTS " size.o", dir));
    long text = 0, data = 0;
    sizes.ignore(256, '\n') >> text >> data;
    EXPECT_GT(text, 0);
    EXPECT_LE(text + data, 4096);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Firmware, Library, ::testing::ValuesIn(std::vector<PhoneCase>{
    {"Nokia5110", kAsIs, test::bytesOf(kPhones + "Nokia 5110.bsd")},
    {"Klassik2000", kAsIs, test::bytesOf(kPhones + "Klassik 2000.bsd")},
    {"Kommunikator9000", kAsIs, test::bytesOf(kPhones + "Kommunikator 9000.bsd")},
    {"FractionalPitch", set(&PhoneData::Zeilenhoehe, 4.3)},
    {"FractionalHeight", set(&PhoneData::Bildhoehe, 8.5)},
    {"FractionalLineWidth", set(&PhoneData::Zeilenbreite, 20.5)},
    {"NegativePitch", set(&PhoneData::Zeilenhoehe, -4)},
    // Tops past float's exact whole numbers: counted in float as the engine does.
    {"FarPitch", set(&PhoneData::Zeilenhoehe, 2000)},
    {"FarPitchUpwards", set(&PhoneData::Zeilenhoehe, -2000)},
    {"FarPictures", heightAndPitch(1000, 7)},
    {"ManyPictures", heightAndPitch(1, 100)},
    {"ManyPicturesUpwards", heightAndPitch(1, -100)},
    // Far above the display each step lands just above the midpoint of two floats: only the
    // sum in double rounds up.
    {"PitchAtFloatMidpoints", heightAndPitch(600, 1 + std::ldexp(1.0, -26))},
    // Tops pass 2^24 after some 270 lines: float rounds the odd ones.
    {"LinesPastFloatsWholeNumbers", heightAndPitch(511, 121)},
    {"OddGlyphs", kOddGlyphs},
    {"OnlyAnEmptyGlyphAt0", [](Module1& s) { s.Zeichen.fill({}), s.Zeichen[0].Breite = 3; }},
    {"NoWordWrap", [](Module1& s) { s.Zeilensprung = false; }},
    // Ten rows, and a space narrower than the 3 the word test counts at least.
    {"TallGlyphs", kAsIs, test::testPhone({.glyphs = {{' ', {"_"}}, {'A', {"_#", "#_#"}},
        {'B', {"###", "_#", "_#", "_#", "_#", "_#", "_#", "_#", "_#", "###"}}}})},
    {"OddPhoneName", [](Module1& s) { s.Telefonname = "*/ \"\\é"; }}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct Refusal {
    const char* name;
    Change change;
    ExitStatus status;       // Ok: accepted
    const char* reason = ""; // words the reason holds
    std::string cName = "phone";
};

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, SaysWhy) {
    Module1 s = test::loadTestPhone();
    GetParam().change(s);
    const auto header = layoutLibrary(s, PhoneLists{}, GetParam().cName);
    EXPECT_EQ(header ? ExitStatus::Ok : header.error().status, GetParam().status);
    EXPECT_NE((header ? "" : header.error().reason).find(GetParam().reason), std::string::npos);
}

using enum ExitStatus;
const Change kNoGlyph = [](Module1& s) { ZeichensatzLeeren(s.Zeichen); };

// clang-format off
INSTANTIATE_TEST_SUITE_P(Firmware, Refused, ::testing::ValuesIn(std::vector<Refusal>{
    {"NameWithDigitFirst", kAsIs, Usage, "kein C-Name", "2phone"},
    {"NoGlyph", kNoGlyph, Unusable, "kein Zeichen"},
    {"LineWidthAtTheLimit", set(&PhoneData::Zeilenbreite, 32767.5), Ok},
    {"LineWidthTooLarge", set(&PhoneData::Zeilenbreite, 32768), Unusable, "Zeilenbreite 32768 ist"},
    {"PictureHeightAtTheLimit", set(&PhoneData::Bildhoehe, 32757), Ok},
    {"PictureHeightTooLarge", set(&PhoneData::Bildhoehe, 32757.5), Unusable, "(höchstens 32757)"},
    {"DisplayTooWide", set(&PhoneData::Displaybreite, 32768), Unusable, "Displaybreite"},
    {"PitchNoNumber", set(&PhoneData::Zeilenhoehe, std::nan("")), Unusable, "Zeilenhöhe"},
    {"PictureHeightZero", set(&PhoneData::Bildhoehe, 0), Unusable, "Bildhöhe muss größer als 0"},
    {"DisplayEmpty", set(&PhoneData::Displaybreite, 0), Unusable, "Displaybreite muss"},
    {"DisplayNarrow", set(&PhoneData::Displaybreite, 0.5), Ok},
    {"DisplayAtTheLimit", set(&PhoneData::Displayhoehe, 32767), Ok},
    {"GlyphTooWide", [](Module1& s) { s.Zeichen[0].Breite = 11; }, Unusable, "Zeichens 0 müssen"},
    {"GlyphTooTall", [](Module1& s) { s.Zeichen[65].Hoehe = 11; }, Unusable, "Zeichens 65"}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

} // namespace
