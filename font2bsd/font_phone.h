#pragma once
// smssim-font2bsd: a phone definition from a bitmap font. Each glyph keeps its place on
// the baseline (row 1 is the top of the line, the font's ascent) and its advance as its
// width, which the format's empty column after every glyph is part of.

#include "bitmap_font.h"
#include "phone_writer.h"
#include "problem.h"

#include <cstdint>
#include <optional>
#include <string>

namespace smssim {

// The Nokia 5110's green.
inline constexpr std::int32_t kDefaultPhoneColour = 150 + 256 * 190 + 65536 * 120;

struct FontPhoneOptions {
    std::string font;
    std::string out;
    std::optional<std::string> name; // Windows-1252; the font's family and size without it
    int displayWidth = 84;
    int displayHeight = 48;
    std::optional<int> lineWidth;     // display width - 2
    std::optional<int> pictureHeight; // the whole lines that fit the display
    std::optional<int> pitch;         // the font's line height
    std::int32_t colour = kDefaultPhoneColour;
    bool paragraphs = false;
    bool wordWrap = true;
    std::string extension = ".n51";
    std::optional<int> pixelSize;
    bool crop = false;
};

struct PlacedGlyph {
    GlyphRows rows;
    bool fits = true;
    // What the glyph takes: its ink's rows of the line from its top (1), its columns from
    // the pen (1) up to the ink's or the advance's end, the empty column left out.
    int firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;
};

// `lineRows` is ascent + descent: every glyph gets at least that many rows (at most
// kGlyphSize), so the glyphs of a line share their height. With `crop`, ink outside
// kGlyphSize rows and kGlyphSize - 1 columns is cut off.
PlacedGlyph placeGlyph(const FontGlyph& glyph, int ascent, int lineRows, bool crop);

struct FontPhone {
    std::string definition; // the bytes of the phone definition file
    std::string leftOut;    // German: the characters the font lacks, when there are any
};

// Reads the font and makes the phone definition for options.out. An option the font
// cannot meet fails with ExitStatus::Usage, a font that cannot be used with Unusable.
Result<FontPhone> makePhoneFromFont(const FontPhoneOptions& options);

} // namespace smssim
