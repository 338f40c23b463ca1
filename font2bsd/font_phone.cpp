#include "font_phone.h"

#include "cp1252.h"
#include "state.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <vector>

namespace smssim {

namespace {

constexpr int kMaxColumns = kGlyphSize - 1; // the loader adds the empty column
constexpr std::size_t kShownMisfits = 5;    // more are summed up: a font may have hundreds

// Blank characters by their code point, so a list of characters shows them.
std::string characterText(std::uint8_t code) {
    if (code == 0x20 || code == 0xA0 || code == 0xAD) {
        char text[8];
        std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
        return text;
    }
    return cp1252ToUtf8(std::string(1, static_cast<char>(code)));
}

std::string misfitText(std::uint8_t code, const PlacedGlyph& p) {
    return characterText(code) + " (Zeilen " + std::to_string(p.firstRow) + ".." +
           std::to_string(p.lastRow) + ", Spalten " + std::to_string(p.firstColumn) + ".." +
           std::to_string(p.lastColumn) + ")";
}

// The family as a header field: a font may name itself with anything.
std::string nameOfFamily(const std::string& family) {
    std::string name = utf8ToCp1252(family).value_or("");
    for (char& c : name)
        if (c == '"' || c == '\r' || c == '\n')
            c = '\'';
    return name;
}

struct Glyphs {
    std::map<std::uint8_t, GlyphRows> rows;
    std::string missing;
    std::vector<std::string> misfits;
};

// Every misfit, or the count and the first few.
std::string misfitsText(const std::vector<std::string>& misfits) {
    std::string text = std::to_string(misfits.size()) + " Zeichen zu groß";
    const bool all = misfits.size() <= kShownMisfits;
    text += all ? ": " : ", z. B. ";
    for (std::size_t i = 0; i < misfits.size() && i < kShownMisfits; ++i)
        text += (i == 0 ? "" : ", ") + misfits[i];
    return text;
}

Result<Glyphs> collectGlyphs(const BitmapFont& font, bool crop) {
    Glyphs out;
    for (int code = 0; code < 256; ++code) {
        const auto c = static_cast<std::uint8_t>(code);
        if (!isPrintableCp1252(c))
            continue;
        const auto glyph = font.glyph(cp1252ToUnicode(c));
        if (!glyph)
            return fail("das Zeichen " + characterText(c) + " " + glyph.error().reason);
        if (!*glyph) {
            out.missing += (out.missing.empty() ? "" : " ") + characterText(c);
            continue;
        }
        PlacedGlyph placed =
            placeGlyph(**glyph, font.ascent(), font.ascent() + font.descent(), crop);
        if (!placed.fits && !crop)
            out.misfits.push_back(misfitText(c, placed));
        out.rows[c] = std::move(placed.rows);
    }
    return out;
}

// The header from the options and the font; a reason when an option cannot be met.
Result<PhoneHeader> headerFor(const FontPhoneOptions& o, const BitmapFont& font) {
    PhoneHeader h;
    if (o.name) {
        h.name = *o.name;
    } else {
        // The size too: one family comes in many sizes, each a phone of its own.
        h.name = nameOfFamily(font.family());
        if (h.name.empty())
            h.name = nameOfFamily(std::filesystem::path(o.font).stem().string());
        h.name += " " + font.sizeText();
    }
    h.displayWidth = o.displayWidth;
    h.displayHeight = o.displayHeight;
    h.lineWidth = o.lineWidth.value_or(o.displayWidth - 2);
    h.pitch = o.pitch.value_or(font.lineHeight());
    h.pictureHeight = o.pictureHeight.value_or(o.displayHeight / h.pitch * h.pitch);
    if (h.pictureHeight <= 0)
        return fail("Eine Zeile der Schrift ist " + std::to_string(h.pitch) +
                        " Pixel hoch, höher als das Display mit " +
                        std::to_string(o.displayHeight) +
                        ": --picture-height oder ein höheres --display angeben",
                    ExitStatus::Usage);
    h.extension = o.extension;
    h.colour = o.colour;
    h.paragraphs = o.paragraphs;
    h.wordWrap = o.wordWrap;
    return h;
}

std::string sizesText(const std::vector<int>& sizes) {
    std::string text;
    for (const int s : sizes)
        text += (text.empty() ? "" : ", ") + std::to_string(s);
    return text;
}

Result<> selectSize(BitmapFont& font, const FontPhoneOptions& o) {
    if (o.pixelSize && !font.selectPixelSize(*o.pixelSize))
        return fail("--pixel-size " + std::to_string(*o.pixelSize) + ": die Schrift „" + o.font +
                        "“ hat die Pixelgrößen " + sizesText(font.bitmapSizes()),
                    ExitStatus::Usage);
    if (!o.pixelSize && font.bitmapSizes().empty())
        return fail("die Schrift „" + o.font + "“ ist eine Outline-Schrift: --pixel-size angeben",
                    ExitStatus::Usage);
    return {};
}

} // namespace

PlacedGlyph placeGlyph(const FontGlyph& g, int ascent, int lineRows, bool crop) {
    PlacedGlyph p;
    p.firstRow = p.firstColumn = std::numeric_limits<int>::max();
    p.lastRow = p.lastColumn = std::numeric_limits<int>::min();
    bool inked = false;
    for (int y = 0; y < g.rows; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.set(y, x)) {
                inked = true;
                const int row = ascent - g.top + 1 + y, column = g.left + 1 + x;
                p.firstRow = std::min(p.firstRow, row);
                p.lastRow = std::max(p.lastRow, row);
                p.firstColumn = std::min(p.firstColumn, column);
                p.lastColumn = std::max(p.lastColumn, column);
            }
    if (!inked) {
        p.firstRow = p.firstColumn = 1;
        p.lastRow = p.lastColumn = 0;
    }
    // Ink in the advance's last column would touch the next glyph: it gets one more.
    const int columns = std::max(g.advance - 1, p.lastColumn);
    p.fits =
        p.firstRow >= 1 && p.lastRow <= kGlyphSize && p.firstColumn >= 1 && columns <= kMaxColumns;
    if ((!p.fits && !crop) || (g.advance <= 0 && !inked))
        return p;
    const int height = std::max(std::min(lineRows, kGlyphSize), std::min(p.lastRow, kGlyphSize));
    const int width = std::min(columns, kMaxColumns);
    p.rows.assign(static_cast<std::size_t>(height),
                  std::string(static_cast<std::size_t>(width), '_'));
    for (int y = 0; y < g.rows; ++y)
        for (int x = 0; x < g.width; ++x) {
            const int row = ascent - g.top + 1 + y, column = g.left + 1 + x;
            if (g.set(y, x) && row >= 1 && row <= height && column >= 1 && column <= width)
                p.rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] =
                    '#';
        }
    return p;
}

Result<FontPhone> makePhoneFromFont(const FontPhoneOptions& o) {
    auto font = BitmapFont::open(o.font);
    if (!font)
        return std::unexpected(font.error());
    if (const auto selected = selectSize(*font, o); !selected)
        return std::unexpected(selected.error());
    const auto header = headerFor(o, *font);
    if (!header)
        return std::unexpected(header.error());
    const auto glyphs = collectGlyphs(*font, o.crop);
    if (!glyphs)
        return fail("Die Schrift „" + o.font + "“: " + glyphs.error().reason);
    if (glyphs->rows.empty())
        return fail("Die Schrift „" + o.font + "“ hat kein Windows-1252-Zeichen" +
                    (font->hasUnicodeMap() ? ""
                                           : ", das sie benennen kann: ihr fehlt eine "
                                             "Unicode-Zeichentabelle"));
    if (!glyphs->misfits.empty())
        return fail("In der Schrift „" + o.font + "“ sind " + misfitsText(glyphs->misfits) +
                    ". Ein Zeichen hat " + std::to_string(kGlyphSize) +
                    " Zeilen ab der Oberkante der Zeile und " + std::to_string(kMaxColumns) +
                    " Spalten rechts vom Stift; --crop schneidet zu");
    FontPhone phone{phoneDefinition(*header, glyphs->rows), {}};
    if (!glyphs->missing.empty())
        phone.leftOut = "nicht in der Schrift, weggelassen: " + glyphs->missing;
    return phone;
}

} // namespace smssim
