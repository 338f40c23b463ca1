// The layout of the small test phone (test_phone.h), dot by dot.

#include "dot_recorder.h"
#include "pixel_grid.h"
#include "renderer.h"
#include "test_phone.h"

#include <functional>
#include <gtest/gtest.h>

using namespace smssim;
using test::loadTestPhone;

namespace {

constexpr std::size_t kLast = SIZE_MAX;
using Change = std::function<void(Module1&)>;
const Change kNoWrap = [](Module1& s) { s.Zeilensprung = false; };
Change spaceWidth(int width) {
    return [width](Module1& s) { s.Zeichen[' '].Breite = static_cast<std::int16_t>(width); };
}
Change pitch(double pitch) {
    return [pitch](Module1& s) { s.Zeilenhoehe = pitch; };
}

struct LayoutCase {
    const char* name;
    std::string text;
    std::size_t dot; // index of a dot in drawing order (6 per A)
    Dot expected;    // where it lands
    int bildanzahl;
    bool paragraphs = false;
    Change phone = {}; // what differs from the test phone
    int picture = 1;
};

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, PutsTheDotWhereThePhoneDoes) {
    const LayoutCase& c = GetParam();
    Module1 s = loadTestPhone();
    if (c.phone)
        c.phone(s);
    s.Absaetze = c.paragraphs;
    s.Bildversatz = bildversatzFuer(c.picture, s.Bildhoehe);
    DotRecorder dots;
    EXPECT_EQ(DisplayZeichnen(s, c.text, dots).bildanzahl, c.bildanzahl);
    EXPECT_EQ(s.Bildanzahl, c.bildanzahl);
    EXPECT_EQ(std::tuple(dots.clears, dots.backColor, dots.drawWidth()),
              std::tuple(1, 11184810, 2));
    ASSERT_FALSE(dots.dots.empty());
    EXPECT_EQ(c.dot == kLast ? dots.dots.back() : dots.dots.at(c.dot), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Renderer, Layout, ::testing::Values(
    LayoutCase{"FirstDot", "A", 0, {1, 2}, 1},
    LayoutCase{"ColumnByColumn", "A", 5, {3, 3}, 1},
    // The fifth A ends exactly at the line width 20 and stays; the sixth wraps.
    LayoutCase{"GlyphEndingAtTheLineWidthStays", "AAAAAA", 24, {17, 2}, 1, false, kNoWrap},
    LayoutCase{"NextGlyphWraps", "AAAAAA", 30, {1, 6}, 1, false, kNoWrap},
    // Word wrap measures the next word plus 3: 12 + 3 + 2 + 3 = 20 fits ...
    LayoutCase{"WordThatFits", "AAA C.", 18, {16, 1}, 1},
    // ... 12 + 4 + 2 + 3 = 21 does not; the space is laid out left of the line.
    LayoutCase{"WordThatDoesNotFit", "AAA A.", 18, {1, 6}, 1},
    LayoutCase{"WrappedSpaceLeftOfTheEdge", "AAA AAA", 18, {1, 6}, 1},
    // A space wider than 3 counts whole: 12 + 4 + 3 + 2 = 21 would cut "C.".
    LayoutCase{"WideSpaceMovesTheWord", "AAA C.", 18, {1, 5}, 1, false, spaceWidth(4)},
    LayoutCase{"WideSpaceLongWordStillCut", "A AAAAAAA", 30, {17, 6}, 2, false, spaceWidth(4)},
    // A narrower one still counts 3: 12 + 6 + 3 = 21 wraps, as on the phone.
    LayoutCase{"NarrowSpaceCountsThree", "AAA A.", 18, {1, 6}, 1, false, spaceWidth(2)},
    LayoutCase{"LfDoesNotEndTheWord", "AAA A\nA", 18, {1, 6}, 1},
    LayoutCase{"CrEndsTheWord", "AAA A\rA", 18, {16, 2}, 1},
    // A word wider than the line is broken glyph by glyph.
    LayoutCase{"LongWordStartsANewLine", "A AAAAAAA", 6, {1, 6}, 2},
    LayoutCase{"LongWordFillsTheLine", "A AAAAAAA", 30, {17, 6}, 2},
    LayoutCase{"ParagraphBreak", "A\r\nA", 6, {1, 6}, 1, true},
    LayoutCase{"LoneCrNoBreak", "A\rA", 6, {5, 2}, 1, true},
    LayoutCase{"NoBreakOutsideParagraphMode", "A\r\nA", 6, {5, 2}, 1},
    LayoutCase{"FinalBreakStartsAPicture", "A\r\nA\r\n", 6, {1, 6}, 2, true},
    LayoutCase{"PictureTwoDrawsItsOwnLines", "B\r\nB\r\nA", 0, {1, 2}, 2, true, {}, 2},
    // The visibility test looks at the line's top only: pitch 7 puts line 2 at 7.
    LayoutCase{"TopInsideThePicture", "B\r\nA", kLast, {3, 10}, 1, true, pitch(7)},
    // Pitch 2.5: rows 3.5, 4.5 and 5.5 of the second line round to 4, 4 and 6.
    LayoutCase{"HalfToEvenRow4", "B\r\nB", 7, {1, 4}, 1, true, pitch(2.5)},
    LayoutCase{"HalfToEvenRow6", "B\r\nB", 9, {1, 6}, 1, true, pitch(2.5)},
    LayoutCase{"NoGlyphNoRoom", "AZA", 6, {5, 2}, 1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Renderer, EmptyMessagesLinesOutsideThePictureAndFarPictures) {
    Module1 s = loadTestPhone();
    DotRecorder dots;
    EXPECT_EQ(DisplayZeichnen(s, "", dots).bildanzahl, 1);
    EXPECT_EQ(std::pair(dots.dots.size(), s.PosX), std::pair(std::size_t{0}, 0));
    DisplayZeichnen(s, "A A", dots);
    EXPECT_EQ(s.PosX, 11);
    DisplayZeichnen(s, "A AAAAAAA", dots);
    EXPECT_EQ(dots.dots.size(), 36u) << "the sixth A lands below the picture and is not drawn";
    EXPECT_EQ(std::tie(s.PosX, s.PosY), std::make_tuple(8, 8.0f)) << "two A on the third line";

    // Row 0 and column 0 are never drawn.
    Module1 one = loadTestPhone({.glyphs = {{'A', {"_#"}}}});
    one.Zeichen['A'].punkt(0, 1) = one.Zeichen['A'].punkt(1, 0) = 1;
    DisplayZeichnen(one, "A", dots);
    EXPECT_EQ(dots.dots, (std::vector<Dot>{{2, 1}}));
    s.Absaetze = true;
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "A\r\n";
    text += "B";
    EXPECT_EQ(DisplayZeichnen(s, text, dots).bildanzahl, 10001);
    s.Bildversatz = bildversatzFuer(10001, s.Bildhoehe);
    DisplayZeichnen(s, text, dots);
    EXPECT_EQ(dots.dots.size(), 7u) << "the last picture holds the B";
}

TEST(Renderer, PictureOffsetsAndTheDisplayTest) {
    EXPECT_EQ(bildversatzFuer(3, 48), -96);
    EXPECT_EQ(bildversatzFuer(2, 2.5), -2) << "-2.5 rounds to the even -2";

    Module1 s = loadTestPhone();
    DotRecorder surface;
    DisplayZeichnen(s, "A", surface); // leaves the pen two dots wide
    Bildtest(s, surface);
    ASSERT_EQ(surface.lines.size(), 21u * 9u);
    const DrawnLine& first = surface.lines.front();
    EXPECT_EQ(std::tie(first.x1, first.y1, first.x2, first.y2, first.width),
              std::make_tuple(0.0f, 0.0f, 1.0f, 1.0f, 1));
    EXPECT_EQ(std::tie(surface.lines.back().x1, surface.lines.back().y1),
              std::make_tuple(20.0f, 8.0f));
    // A line wider and a picture taller than the display: the pattern still reaches its
    // last column and row.
    s.Zeilenbreite = s.Bildhoehe = 30;
    surface.lines.clear();
    Bildtest(s, surface);
    EXPECT_EQ(std::tie(surface.lines.back().x1, surface.lines.back().y1),
              std::make_tuple(25.0f, 11.0f));
}

// A 10 x 9 grid with (0,0), (9,0), (1,1) and (0,8) set: the bytes each order makes.
TEST(PixelGrid, BytesForDisplaysAndImageFiles) {
    PixelGrid grid{10, 9, std::vector<bool>(90, false)};
    for (const auto& [x, y] : {std::pair(0, 0), {9, 0}, {1, 1}, {0, 8}})
        grid.cells[y * 10 + x] = true;
    const auto hex = [](const std::vector<std::uint8_t>& bytes) {
        std::string out;
        for (const std::uint8_t b : bytes)
            out += "0123456789abcdef"[b >> 4], out += "0123456789abcdef"[b & 15];
        return out;
    };
    EXPECT_EQ(hex(gridBytes(grid, ByteOrder::Pages)), "0102000000000000000101000000000000000000");
    EXPECT_EQ(hex(gridBytes(grid, ByteOrder::Rows)), "804040000000000000000000000000008000");
    const std::string pbm = pbmImage(grid);
    EXPECT_EQ(hex({pbm.begin() + 8, pbm.end()}), hex(gridBytes(grid, ByteOrder::Rows)));
    EXPECT_EQ(pbm.substr(0, 8), "P4\n10 9\n");
    EXPECT_TRUE(xbmImage(grid, "x").starts_with(
        "#define x_width 10\n#define x_height 9\nstatic unsigned char x_bits[] = {\n"
        "   0x01, 0x02, 0x02, 0x00,"))
        << "the leftmost pixel in bit 0";
    EXPECT_EQ(gridBytes({3, 8, std::vector<bool>(24, false)}, ByteOrder::Pages).size(), 3u);
    for (const auto& [name, valid] : {std::pair("bild", true),
                                      {"AZz", true},
                                      {"_2", true},
                                      {"B_1x", true},
                                      {"", false},
                                      {"1x", false},
                                      {"b-1", false},
                                      {"b\xE4", false},
                                      {"int", false},
                                      {"new", false},
                                      {"int_", true}})
        EXPECT_EQ(isCIdentifier(name), valid) << name;
    // The phone's name cannot end the comment early.
    const std::string header = cHeader({grid, grid}, "az_Z9", "A/B*//*\n\xC3\xA4", ByteOrder::Rows);
    EXPECT_TRUE(header.starts_with("/* A/B* // *\xC3\xA4, 10 x 9, 2 pictures, bytes in rows */\n"
                                   "#include <stdint.h>\n#define AZ_Z9_WIDTH 10\n"
                                   "#define AZ_Z9_HEIGHT 9\n#define AZ_Z9_COUNT 2\n"
                                   "static const uint8_t az_Z9[AZ_Z9_COUNT][18] = {\n"))
        << header;
    // The grid of a picture is the ASCII picture's: the dots inside the display.
    Module1 s = loadTestPhone();
    const PixelGrid a = pictureGrids(s, "A").front();
    EXPECT_EQ(std::tuple(a.width, a.height, a.at(2, 1), a.at(1, 2), a.at(2, 3), a.at(1, 1)),
              std::tuple(24, 10, true, true, false, false));
    EXPECT_EQ(pictureGrids(s, "A AAAAAAA").size(), 2u);
    const PixelGrid outside = pixelGrid(s, {{-1, 2}, {24, 2}, {2, -1}, {2, 10}, {1, 1}});
    EXPECT_EQ(std::count(outside.cells.begin(), outside.cells.end(), true), 1);
}

} // namespace
