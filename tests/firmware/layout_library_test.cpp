// The layout library compiled with the system's C compiler draws the engine's dots, in the
// engine's order, and counts its pictures.

#include "dot_recorder.h"
#include "layout_library.h"
#include "numbers.h"
#include "temp_dir.h"
#include "test_phone.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

using namespace smssim;

namespace {

using Change = std::function<void(Module1&)>;

// The test phone with header line `line` (1 = Telefonname) replaced.
std::string miniWith(int line, const std::string& value, test::TestPhone phone = {}) {
    std::string data = test::testPhone(phone);
    std::size_t from = 0;
    for (int l = 1; l < line; ++l)
        from = data.find("\r\n", from) + 2;
    return data.replace(from, data.find("\r\n", from) - from, value);
}

test::TestPhone tallGlyphs() {
    test::TestPhone phone;
    phone.glyphs['T'] = {"###", "_#", "_#", "_#", "_#", "_#", "_#", "_#", "_#", "###"};
    phone.glyphs[' '] = {"_"}; // narrower than the 3 the word test counts at least
    return phone;
}

struct PhoneCase {
    const char* name;
    std::function<std::string()> data; // the phone definition file
    Change change = {};
};

std::string shipped(const char* file) {
    return test::bytesOf(std::string(SMSSIM_PHONES_DIR) + "/" + file);
}

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    EXPECT_TRUE(pipe && pclose(pipe) == 0) << command;
    return out;
}

// Words, CR LF, and every byte now and then, glyph or none.
std::string thousandCharacters() {
    std::string text;
    for (unsigned i = 0, r = 7; text.size() < 1000; ++i, r = r * 1103515245 + 12345)
        text += i % 53 == 52 ? std::string("\r\n")
                : i % 7 == 6 ? " "
                             : std::string(1, char(r >> 16));
    return text.substr(0, 1000);
}

const std::string kCrLfs = [] {
    std::string text;
    while (text.size() < 1000)
        text += "\r\n";
    return text;
}();

struct Message {
    std::string text;
    bool paragraphs;
    int picture; // 0: the last one
};

const Message kMessages[] = {
    {"", false, 1},
    {"AB C\r\n", true, 1},
    {"AB C\r\n", false, 1},
    {"A " + std::string(60, 'B') + " C.A", false, 1},
    {thousandCharacters(), true, 1},
    {thousandCharacters(), true, 2},
    {thousandCharacters(), true, 0},
    {thousandCharacters(), false, 0},
    // Tops far from the display, where a float top is no longer a whole number.
    {thousandCharacters(), true, -32768},
    {thousandCharacters(), true, 32767},
    // Many lines: pictures beyond the int16_t range, float steps that round.
    {kCrLfs, true, 1},
    {kCrLfs, true, -32768},
    {kCrLfs, true, 32767},
    // A lone CR ends the word that word wrap measures.
    {"A B\r" + std::string(40, 'B'), false, 1},
};

class Library : public ::testing::TestWithParam<PhoneCase> {};

TEST_P(Library, DrawsTheEnginesDots) {
    Module1 s;
    const auto lists = ZeichensatzLadenAusDaten(s, GetParam().data(), "phone.bsd");
    ASSERT_TRUE(lists) << lists.error().reason;
    if (GetParam().change)
        GetParam().change(s);
    const auto header = layoutLibrary(s, *lists, "phone");
    ASSERT_TRUE(header) << header.error().reason;
    const test::TempDir dir;
    write(dir / "phone.h", *header);
    std::string input;
    std::vector<std::string> expected;
    for (const Message& m : kMessages) {
        s.Absaetze = m.paragraphs && lists->absaetzeErlaubt;
        DotRecorder dots;
        s.Bildversatz = 0;
        const int last = std::clamp(DisplayZeichnen(s, m.text, dots).bildanzahl, -32768, 32767);
        const int picture = m.picture ? m.picture : last;
        s.Bildversatz = bildversatzFuer(picture, s.Bildhoehe);
        const int count = std::clamp(DisplayZeichnen(s, m.text, dots).bildanzahl, -32768, 32767);
        std::string block = "Bildanzahl: " + std::to_string(count) + "\n";
        for (const Dot& d : dots.dots)
            block += numberToText(d.x) + " " + numberToText(d.y) + "\n";
        expected.push_back(block);
        input += std::to_string(picture) + " " + std::to_string(m.paragraphs) + " " +
                 std::to_string(m.text.size()) + "\n" + m.text;
    }
    write(dir / "messages", input);
    const std::string compile =
        std::string(CC_FOR_TESTS) + " -std=c99 -Wall -Wextra -pedantic -Werror -DHEADER='\"" +
        (dir / "phone.h") + "\"' -o '" + (dir / "driver") + "' '" + LAYOUT_DRIVER "' 2>&1";
    ASSERT_EQ(run(compile), "");
    const std::string out = run("'" + (dir / "driver") + "' '" + (dir / "messages") + "'");
    std::vector<std::string> blocks;
    for (std::size_t at = out.find("Bildanzahl"); at != std::string::npos;) {
        const std::size_t next = out.find("Bildanzahl", at + 1);
        blocks.push_back(out.substr(at, next - at));
        at = next;
    }
    ASSERT_EQ(blocks.size(), expected.size());
    for (std::size_t i = 0; i < blocks.size(); ++i)
        EXPECT_EQ(blocks[i], expected[i]) << "message " << i;
    if (std::string(GetParam().name) != "Nokia5110" || !*SIZE_FOR_TESTS)
        return;
    // The code and tables a device needs, built for size.
    write(dir / "size.c", "#include \"phone.h\"\nint16_t call(const uint8_t *t, uint16_t n, "
                          "phone_pixel_fn p) { return phone_draw(t, n, 1, 0, p, 0); }\n");
    ASSERT_EQ(run(std::string(CC_FOR_TESTS) + " -std=c99 -Os -c -o '" + (dir / "size.o") + "' '" +
                  (dir / "size.c") + "'"),
              "");
    std::istringstream sizes(run(std::string(SIZE_FOR_TESTS) + " '" + (dir / "size.o") + "'"));
    std::string titles;
    std::getline(sizes, titles);
    long text = 0, data = 0;
    sizes >> text >> data;
    EXPECT_GT(text, 0);
    EXPECT_LE(text + data, 4096);
}

INSTANTIATE_TEST_SUITE_P(
    Firmware, Library,
    ::testing::Values(
        PhoneCase{"Nokia5110", [] { return shipped("Nokia 5110.bsd"); }},
        PhoneCase{"Klassik2000", [] { return shipped("Klassik 2000.bsd"); }},
        PhoneCase{"Kommunikator9000", [] { return shipped("Kommunikator 9000.bsd"); }},
        PhoneCase{"Mini", [] { return test::testPhone(); }},
        PhoneCase{"FractionalPitch", [] { return miniWith(8, "4.3"); }},
        PhoneCase{"FractionalHeightAndWidth", [] { return miniWith(3, "8.5"); },
                  [](Module1& s) { s.Zeilenbreite = 20.5; }},
        PhoneCase{"NegativePitch", [] { return miniWith(8, "-4"); }},
        // Tops beyond float's exact whole numbers: counted in float as the engine does.
        PhoneCase{"FarPitch", [] { return miniWith(8, "-2000"); }},
        PhoneCase{"ManyPictures", [] { return miniWith(3, "1"); },
                  [](Module1& s) { s.Zeilenhoehe = 100; }},
        PhoneCase{"ManyPicturesUpwards", [] { return miniWith(3, "1"); },
                  [](Module1& s) { s.Zeilenhoehe = -100; }},
        PhoneCase{"FarPictures", [] { return miniWith(8, "7"); },
                  [](Module1& s) { s.Bildhoehe = 1000; }},
        // Far above the display each step lands just above the midpoint of two floats:
        // only the sum in double rounds up.
        PhoneCase{"PitchAtFloatMidpoints", [] { return miniWith(3, "600"); },
                  [](Module1& s) { s.Zeilenhoehe = 1 + std::ldexp(1.0, -26); }},
        PhoneCase{"NoWordWrap", [] { return miniWith(10, "Zeilensprung: Nein"); }},
        PhoneCase{"TallGlyphs", [] { return test::testPhone(tallGlyphs()); }},
        PhoneCase{"OddPhoneName", [] { return test::testPhone(); },
                  [](Module1& s) { s.Telefonname = "*/ \"\\\u00e9"; }}),
    [](const auto& info) { return info.param.name; });

struct Refusal {
    const char* name;
    std::string cName;
    Change change;
    ExitStatus status; // Ok: accepted
};

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, SaysWhy) {
    Module1 s = test::loadTestPhone();
    GetParam().change(s);
    const auto header = layoutLibrary(s, PhoneLists{}, GetParam().cName);
    EXPECT_EQ(header ? ExitStatus::Ok : header.error().status, GetParam().status);
}

const Change kAsIs = [](Module1&) {};
Change set(double PhoneData::*field, double value) {
    return [=](Module1& s) { s.*field = value; };
}

INSTANTIATE_TEST_SUITE_P(
    Firmware, Refused,
    ::testing::Values(Refusal{"NameWithDigitFirst", "2phone", kAsIs, ExitStatus::Usage},
                      Refusal{"NameWithHyphen", "my-phone", kAsIs, ExitStatus::Usage},
                      Refusal{"NoGlyph", "phone", [](Module1& s) { ZeichensatzLeeren(s.Zeichen); },
                              ExitStatus::Unusable},
                      Refusal{"LineWidthAtTheLimit", "phone",
                              set(&PhoneData::Zeilenbreite, 32767.5), ExitStatus::Ok},
                      Refusal{"LineWidthTooLarge", "phone", set(&PhoneData::Zeilenbreite, 32768),
                              ExitStatus::Unusable},
                      Refusal{"PictureHeightAtTheLimit", "phone", set(&PhoneData::Bildhoehe, 32757),
                              ExitStatus::Ok},
                      Refusal{"PictureHeightTooLarge", "phone", set(&PhoneData::Bildhoehe, 32757.5),
                              ExitStatus::Unusable},
                      Refusal{"DisplayTooWide", "phone", set(&PhoneData::Displaybreite, 32768),
                              ExitStatus::Unusable},
                      Refusal{"PitchNoNumber", "phone", set(&PhoneData::Zeilenhoehe, std::nan("")),
                              ExitStatus::Unusable}),
    [](const auto& info) { return info.param.name; });

} // namespace
