#include "dot_recorder.h"
#include "phone_loader.h"
#include "renderer.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace smssim;

namespace {

// The small test phone: line width 20, picture height 8, line pitch 4. Glyph widths
// with their empty column: space 3, A 4, B 4, C 3, "." 2; A is
//   .#.
//   ###
//   #.#
class Renderer : public ::testing::Test {
  protected:
    void SetUp() override { loadMini({}); }

    // Header lines (0-based) to replace in the test phone.
    void loadMini(const std::vector<std::pair<int, std::string>>& header) {
        std::ifstream in(std::string(SMSSIM_TEST_DATA) + "/phones/mini.bsd", std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        std::vector<std::string> lines;
        for (std::string line; std::getline(all, line);)
            lines.push_back(line.substr(0, line.size() - 1));
        for (const auto& [index, value] : header)
            lines[index] = value;
        std::string data;
        for (const auto& l : lines)
            data += l + "\r\n";
        ASSERT_TRUE(std::holds_alternative<PhoneLists>(ZeichensatzLadenAusDaten(s, data, "mini")));
    }

    RenderResult render(std::string_view text) { return DisplayZeichnen(s, text, dots); }
    // The first dot drawn for the character glyph that starts at dot index `i`.
    Dot at(std::size_t i) const { return dots.dots.at(i); }

    Module1 s;
    DotRecorder dots;
};

constexpr int kWordWrapLine = 9;
constexpr std::size_t kDotsOfA = 6;

} // namespace

TEST_F(Renderer, EmptyMessageShowsOnlyTheBackground) {
    const auto r = render("");
    EXPECT_EQ(r.bildanzahl, 1);
    EXPECT_EQ(s.Bildanzahl, 1);
    EXPECT_TRUE(dots.dots.empty());
    EXPECT_EQ(dots.clears, 1);
    EXPECT_EQ(dots.backColor, 11184810);
}

TEST_F(Renderer, DrawsColumnByColumnEachFromTheTopWithDrawWidthTwo) {
    render("A");
    EXPECT_EQ(dots.dots, (std::vector<Dot>{{1, 2}, {1, 3}, {2, 1}, {2, 2}, {3, 2}, {3, 3}}));
    EXPECT_EQ(dots.drawWidth(), 2);
    EXPECT_EQ(s.PosX, 4);
}

TEST_F(Renderer, GlyphWrapKeepsAGlyphThatEndsExactlyAtTheLineWidth) {
    loadMini({{kWordWrapLine, "Zeilensprung: Nein"}});
    render("AAAAAA");
    EXPECT_EQ(at(4 * kDotsOfA), (Dot{17, 2})) << "fifth A ends at 20 and stays";
    EXPECT_EQ(at(5 * kDotsOfA), (Dot{1, 6})) << "sixth A starts the next line";
    EXPECT_EQ(s.Bildanzahl, 1);
}

TEST_F(Renderer, WordWrapAddsThreeToTheNextWord) {
    render("AAA C.");
    EXPECT_EQ(s.PosY, 0) << "12 + 3 + 2 + 3 = 20 is not more than the line width";
    render("AAA A.");
    EXPECT_EQ(at(3 * kDotsOfA), (Dot{1, 6})) << "12 + 4 + 2 + 3 = 21 moves the word";
}

TEST_F(Renderer, WrappedSpaceIsLaidOutLeftOfTheEdge) {
    render("AAA AAA");
    EXPECT_EQ(at(3 * kDotsOfA), (Dot{1, 6}));
    EXPECT_EQ(s.PosX, 12);
}

TEST_F(Renderer, WordMeasuringStopsAtCrButNotAtLf) {
    render("AAA A\nA");
    EXPECT_EQ(at(3 * kDotsOfA).y, 6) << "the LF does not end the word: 12 + 8 + 3 > 20";
    render("AAA A\rA");
    EXPECT_EQ(at(3 * kDotsOfA).y, 2) << "the CR ends the word: 12 + 4 + 3 fits";
}

TEST_F(Renderer, AWordWiderThanTheLineIsBrokenGlyphByGlyph) {
    render("A AAAAAAA");
    EXPECT_EQ(at(1 * kDotsOfA), (Dot{1, 6}));
    EXPECT_EQ(at(5 * kDotsOfA), (Dot{17, 6}));
    EXPECT_EQ(dots.dots.size(), 6 * kDotsOfA) << "after five A the glyph test breaks again, "
                                                 "onto a line below the picture";
    EXPECT_EQ(s.Bildanzahl, 2);
}

TEST_F(Renderer, ParagraphBreaksOnlyInParagraphModeAndOnlyAtCrLf) {
    s.Absaetze = true;
    render("A\r\nA");
    EXPECT_EQ(at(kDotsOfA), (Dot{1, 6}));
    render("A\rA");
    EXPECT_EQ(at(kDotsOfA), (Dot{5, 2})) << "a lone CR does not break";
    render("A\r");
    EXPECT_EQ(s.PosY, 0) << "a CR at the very end never breaks";
    s.Absaetze = false;
    render("A\r\nA");
    EXPECT_EQ(at(kDotsOfA), (Dot{5, 2}));
}

TEST_F(Renderer, TheEmptyLineAfterAFinalBreakCountsAsAPicture) {
    s.Absaetze = true;
    EXPECT_EQ(render("A\r\nA").bildanzahl, 1);
    EXPECT_EQ(render("A\r\nA\r\n").bildanzahl, 2) << "the last line starts exactly at 8";
}

TEST_F(Renderer, PictureTwoDrawsOnlyItsOwnLines) {
    s.Absaetze = true;
    s.Bildversatz = bildversatzFuer(2, s.Bildhoehe);
    ASSERT_EQ(s.Bildversatz, -8);
    const auto r = render("B\r\nB\r\nA");
    EXPECT_EQ(r.bildanzahl, 2);
    EXPECT_EQ(dots.dots, (std::vector<Dot>{{1, 2}, {1, 3}, {2, 1}, {2, 2}, {3, 2}, {3, 3}}));
}

TEST_F(Renderer, VisibilityTestsTheTopOfTheLineOnly) {
    loadMini({{7, "7"}});
    s.Absaetze = true;
    render("B\r\nA");
    EXPECT_EQ(dots.dots.back(), (Dot{3, 10})) << "the line at 7 is drawn below the picture";
}

TEST_F(Renderer, FractionalPitchRoundsDotRowsHalfToEven) {
    loadMini({{7, "2.5"}});
    s.Absaetze = true;
    render("B\r\nB");
    // Top 2.5: rows 3.5, 4.5 and 5.5 round to 4, 4 and 6.
    EXPECT_EQ(at(7), (Dot{1, 4}));
    EXPECT_EQ(at(8), (Dot{1, 4}));
    EXPECT_EQ(at(9), (Dot{1, 6}));
}

TEST_F(Renderer, CharactersWithoutGlyphTakeNoRoom) {
    render("AZA");
    EXPECT_EQ(at(kDotsOfA), (Dot{5, 2}));
}

TEST_F(Renderer, PicturesPastTheSixteenBitRangeStillRender) {
    s.Absaetze = true;
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "A\r\n";
    text += "B";
    const auto r = render(text);
    EXPECT_EQ(r.bildanzahl, 10001);
    s.Bildversatz = bildversatzFuer(10001, s.Bildhoehe);
    render(text);
    EXPECT_EQ(dots.dots.size(), 7u) << "the last picture holds the B";
}

TEST(Counters, LettersLeftAndTheMaximum) {
    EXPECT_EQ(lettersLeftText(160, 5), "155");
    EXPECT_EQ(lettersLeftText(100, 120), "-20");
    EXPECT_EQ(lettersLeftText(0, 3), "-3");
    EXPECT_EQ(parseMaximum("160"), 160);
    EXPECT_EQ(parseMaximum("0"), 0);
    for (const char* bad : {"", "abc", "-1", "3000000000", " 5"})
        EXPECT_FALSE(parseMaximum(bad)) << bad;
    EXPECT_EQ(bildversatzFuer(1, 48), 0);
    EXPECT_EQ(bildversatzFuer(3, 48), -96);
    EXPECT_EQ(bildversatzFuer(2, 2.5), -2) << "-2.5 rounds to the even -2";
}

TEST_F(Renderer, DisplayTestCoversOnePicture) {
    DotRecorder surface;
    Bildtest(s, surface);
    ASSERT_EQ(surface.lines.size(), 21u * 9u);
    const DrawnLine& first = surface.lines.front();
    EXPECT_EQ(first.x1, 0);
    EXPECT_EQ(first.y1, 0);
    EXPECT_EQ(first.x2, 1);
    EXPECT_EQ(first.y2, 1);
    EXPECT_EQ(first.width, 1);
    EXPECT_EQ(surface.lines.back().x1, 20);
    EXPECT_EQ(surface.lines.back().y1, 8);
}
