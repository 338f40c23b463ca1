#include "font_phone.h"

#include "cp1252.h"
#include "state.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <ostream>

namespace smssim {

namespace {

constexpr int kMaxColumns = kGlyphSize - 1; // the loader adds the empty column
constexpr const char* kProgram = "smssim-font2bsd: ";

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
    return characterText(code) + " (rows " + std::to_string(p.firstRow) + ".." +
           std::to_string(p.lastRow) + ", columns " + std::to_string(p.firstColumn) + ".." +
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
    std::string missing, misfits;
};

std::variant<Glyphs, std::string> collectGlyphs(const BitmapFont& font, bool crop) {
    Glyphs out;
    for (int code = 0; code < 256; ++code) {
        const auto c = static_cast<std::uint8_t>(code);
        if (!isPrintableCp1252(c))
            continue;
        auto loaded = font.glyph(cp1252ToUnicode(c));
        if (auto* reason = std::get_if<std::string>(&loaded))
            return "the glyph of " + characterText(c) + " " + *reason;
        const auto& glyph = std::get<std::optional<FontGlyph>>(loaded);
        if (!glyph) {
            out.missing += (out.missing.empty() ? "" : " ") + characterText(c);
            continue;
        }
        PlacedGlyph placed =
            placeGlyph(*glyph, font.ascent(), font.ascent() + font.descent(), crop);
        if (!placed.fits && !crop)
            out.misfits += (out.misfits.empty() ? "" : ", ") + misfitText(c, placed);
        out.rows[c] = std::move(placed.rows);
    }
    return out;
}

// The header from the options and the font; a reason when an option cannot be met.
std::variant<PhoneHeader, std::string> headerFor(const FontPhoneOptions& o,
                                                 const BitmapFont& font) {
    PhoneHeader h;
    h.name = o.name ? *o.name : nameOfFamily(font.family());
    if (h.name.empty())
        h.name = nameOfFamily(std::filesystem::path(o.font).stem().string());
    h.displayWidth = o.displayWidth;
    h.displayHeight = o.displayHeight;
    h.lineWidth = o.lineWidth.value_or(o.displayWidth - 2);
    h.pitch = o.pitch.value_or(font.lineHeight());
    h.pictureHeight = o.pictureHeight.value_or(o.displayHeight / h.pitch * h.pitch);
    if (h.pictureHeight <= 0)
        return "a line of the font is " + std::to_string(h.pitch) +
               " pixels high, more than the display's " + std::to_string(o.displayHeight) +
               "; give --picture-height or a higher --display";
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

std::optional<std::string> selectSize(BitmapFont& font, const FontPhoneOptions& o) {
    if (o.pixelSize && !font.selectPixelSize(*o.pixelSize))
        return "--pixel-size " + std::to_string(*o.pixelSize) + ": the font '" + o.font +
               "' has the pixel sizes " + sizesText(font.bitmapSizes());
    if (!o.pixelSize && font.bitmapSizes().empty())
        return "the font '" + o.font + "' is an outline font: give --pixel-size";
    return std::nullopt;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file)
        return true;
    std::remove(path.c_str()); // no half-written phone
    return false;
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

FontExit makePhoneFromFont(const FontPhoneOptions& o, std::ostream& err) {
    auto opened = BitmapFont::open(o.font);
    if (auto* reason = std::get_if<std::string>(&opened)) {
        err << kProgram << *reason << '\n';
        return FontExit::Unusable;
    }
    auto& font = std::get<BitmapFont>(opened);
    if (auto reason = selectSize(font, o)) {
        err << kProgram << *reason << '\n';
        return FontExit::Usage;
    }
    const auto header = headerFor(o, font);
    if (auto* reason = std::get_if<std::string>(&header)) {
        err << kProgram << *reason << '\n';
        return FontExit::Usage;
    }
    auto collected = collectGlyphs(font, o.crop);
    if (auto* reason = std::get_if<std::string>(&collected)) {
        err << kProgram << "the font '" << o.font << "': " << *reason << '\n';
        return FontExit::Unusable;
    }
    const Glyphs& glyphs = std::get<Glyphs>(collected);
    if (glyphs.rows.empty()) {
        err << kProgram << "the font '" << o.font << "' has no Windows-1252 character"
            << (font.hasUnicodeMap() ? "" : " it can name: it has no Unicode character map")
            << '\n';
        return FontExit::Unusable;
    }
    if (!glyphs.misfits.empty()) {
        err << kProgram << "in the font '" << o.font << "' these glyphs do not fit " << kGlyphSize
            << " rows below the line's top and " << kMaxColumns
            << " columns right of the pen (--crop cuts them): " << glyphs.misfits << '\n';
        return FontExit::Unusable;
    }
    if (!glyphs.missing.empty())
        err << kProgram << "not in the font, left out: " << glyphs.missing << '\n';
    if (!writeFile(o.out, phoneDefinition(std::get<PhoneHeader>(header), glyphs.rows))) {
        err << kProgram << "cannot write '" << o.out << "'\n";
        return FontExit::Unusable;
    }
    return FontExit::Ok;
}

} // namespace smssim
