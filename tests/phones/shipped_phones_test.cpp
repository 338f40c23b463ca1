// The phone definitions installed with the program: each loads, draws every character
// a user can type, distinguishably, and fits its lines on its display. Where the glyphs
// sit is the font's, pinned by the phones made from it byte for byte.

#include "phone_loader.h"
#include "phone_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace smssim;

// Every code a Windows-1252 keyboard can produce.
std::vector<int> printableCodes() {
    std::vector<int> codes;
    for (int c = 0; c <= 255; ++c)
        if (isPrintableCp1252(static_cast<std::uint8_t>(c)))
            codes.push_back(c);
    return codes;
}

// Rows a glyph inks (its bitmap, top row first); rows outside the glyph never count.
std::vector<int> inkedRows(const ZeichenTyp& g) {
    std::vector<int> rows;
    for (int r = 1; r <= g.Hoehe; ++r) {
        int bits = 0;
        for (int c = 1; c <= g.Breite; ++c)
            bits |= (g.punkt(r, c) != 0) << c;
        rows.push_back(bits);
    }
    return rows;
}

TEST(ShippedPhones, LoadDrawEveryCharacterAndFitTheirDisplays) {
    // Meant to look like another character: no-break space, soft hyphen, low quote.
    const std::map<int, int> twins = {{160, ' '}, {0xAD, '-'}, {0x82, ','}};
    std::map<std::string, int> extensions;
    bool paragraphs = false, noWrap = false;
    int phones = 0;
    for (const auto& entry : fs::directory_iterator(SMSSIM_PHONES_DIR)) {
        if (entry.path().extension() != ".bsd")
            continue;
        ++phones;
        SCOPED_TRACE(entry.path().string());
        Module1 s;
        const auto result = ZeichensatzLaden(s, entry.path().string());
        ASSERT_TRUE(result) << result.error().reason;
        const PhoneLists& lists = *result;
        paragraphs |= lists.absaetzeErlaubt;
        noWrap |= !s.Zeilensprung;
        EXPECT_EQ(++extensions[s.Dateiendung], 1) << "extension used twice";
        EXPECT_EQ(s.Zeichen[10].Breite + s.Zeichen[13].Breite, 0) << "line ends take no room";

        const auto& z = s.Zeichen;
        std::map<int, int> listed;
        for (char c : lists.verfuegbar + lists.sonder)
            ++listed[static_cast<unsigned char>(c)];
        for (int code : printableCodes()) {
            EXPECT_EQ(listed[code], 1) << code;
            EXPECT_LE(z[code].Breite, s.Zeilenbreite) << code;
            const auto rows = inkedRows(z[code]);
            const bool blank = std::all_of(rows.begin(), rows.end(), [](int b) { return !b; });
            EXPECT_EQ(blank, code == ' ' || code == 160) << code;
            for (int other : printableCodes()) {
                if (other < code && !(twins.count(code) && twins.at(code) == other)) {
                    EXPECT_NE(rows, inkedRows(z[other])) << code << " looks like " << other;
                }
            }
        }

        // Whole lines only, none overlapping, the last one inside the display.
        EXPECT_EQ(std::fmod(s.Bildhoehe, s.Zeilenhoehe), 0);
        EXPECT_GE(s.Zeilenhoehe, z['A'].Hoehe);
        EXPECT_LE(s.Zeilenbreite, s.Displaybreite);
        EXPECT_LE(s.Bildhoehe - s.Zeilenhoehe + z['A'].Hoehe, s.Displayhoehe - 1);
        if (s.Telefonname == "Nokia 5110") { // a green LCD; its switches show in the window tests
            EXPECT_EQ(std::tuple(entry.path().filename().string(), s.Displaybreite, s.Displayhoehe,
                                 s.Dateiendung, s.Hintergrundfarbe),
                      std::tuple("Nokia 5110.bsd", 84.0, 48.0, ".n51", 7913110));
        }
    }
    EXPECT_GE(phones, 3);
    EXPECT_TRUE(paragraphs && noWrap) << "the set shows every option";
}

} // namespace
