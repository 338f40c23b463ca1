#include "font_files.h"

#include "c_source.h"
#include "cp1252.h"
#include "numbers.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace smssim {

namespace {

// The BDF is at 75 dpi with a point size of its pixel size, as the shipped font is.
constexpr int kResolution = 75;

struct FontGlyphs {
    std::vector<std::uint8_t> codes; // in code order
    int ascent = 1;
    int widest = 0;
};

bool draws(const ZeichenTyp& g) {
    for (int r = 1; r <= g.Hoehe; ++r)
        for (int c = 1; c <= g.Breite; ++c)
            if (g.punkt(r, c) != 0)
                return true;
    return false;
}

Result<FontGlyphs> fontGlyphs(const Module1& s, const PhoneLists& lists) {
    bool listed[256] = {};
    for (const char c : lists.verfuegbar + lists.sonder)
        listed[static_cast<std::uint8_t>(c)] = true;
    FontGlyphs out;
    for (int code = 0; code < 256; ++code) {
        const ZeichenTyp& g = s.Zeichen[code];
        if (!listed[code] || ((code < 32 || code == 127) && !draws(g)))
            continue;
        out.codes.push_back(static_cast<std::uint8_t>(code));
        out.ascent = std::max<int>(out.ascent, g.Hoehe);
        out.widest = std::max<int>(out.widest, g.Breite);
    }
    if (out.codes.empty())
        return fail("Das Telefon „" + s.Telefonname +
                    "“ hat kein Zeichen, aus dem eine Schrift werden kann");
    return out;
}

// What the phone draws of a glyph: rows 1..Hoehe, columns 1..Breite.
int rowsOf(const ZeichenTyp& g) {
    return g.Breite > 0 ? std::max<int>(g.Hoehe, 0) : 0;
}
int columnsOf(const ZeichenTyp& g) {
    return std::max<int>(g.Breite, 0);
}

std::string hexRow(const ZeichenTyp& g, int row) {
    std::string out;
    for (int c = 0; c < columnsOf(g); c += 8) {
        int byte = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (c + bit < columnsOf(g) && g.punkt(row, c + bit + 1) != 0)
                byte |= 0x80 >> bit;
        out += "0123456789ABCDEF"[byte >> 4];
        out += "0123456789ABCDEF"[byte & 15];
    }
    return out;
}

// A BDF string property: quotes doubled, control characters (line ends above all) as
// spaces; UTF-8 stays.
std::string bdfString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<std::uint8_t>(c);
        out += c == '"' ? std::string("\"\"") : std::string(1, byte < 32 || byte == 127 ? ' ' : c);
    }
    return out + "\"";
}

// The name's Windows-1252 bytes, as it stood in the file.
std::string cp1252Name(const Module1& s) {
    return utf8ToCp1252(s.Telefonname).value_or("");
}

// One character for each of the name's, what an X font name field cannot hold as '_'.
std::string xlfdField(const std::string& cp1252) {
    std::string out = cp1252;
    for (char& c : out) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 32 || byte >= 127 || std::string_view("-?*,\"").find(c) != std::string::npos)
            c = '_';
    }
    return out;
}

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

} // namespace

Result<std::string> bdfFont(const Module1& s, const PhoneLists& lists) {
    const auto glyphs = fontGlyphs(s, lists);
    if (!glyphs)
        return std::unexpected(glyphs.error());
    const int ascent = glyphs->ascent;
    const std::string size = std::to_string(ascent), points = std::to_string(ascent * 10);
    const std::string dpi = std::to_string(kResolution);
    int widths = 0;
    for (const std::uint8_t code : glyphs->codes)
        widths += columnsOf(s.Zeichen[code]);
    const int count = static_cast<int>(glyphs->codes.size());
    const std::string average = std::to_string((widths * 10 + count / 2) / count);
    std::string out =
        "STARTFONT 2.1\n"
        "COMMENT Made by smssim-bsd2font: every glyph hangs from the top of the "
        "line as on the phone.\n"
        "FONT -smssim-" +
        xlfdField(cp1252Name(s)) + "-Medium-R-Normal--" + size + "-" + points + "-" + dpi + "-" +
        dpi + "-P-" + average + "-ISO10646-1\nSIZE " + size + " " + dpi + " " + dpi +
        "\nFONTBOUNDINGBOX " + std::to_string(glyphs->widest) + " " + size +
        " 0 0\nSTARTPROPERTIES 16\nFOUNDRY \"smssim\"\nFAMILY_NAME " + bdfString(s.Telefonname) +
        "\nWEIGHT_NAME \"Medium\"\nSLANT \"R\"\nSETWIDTH_NAME \"Normal\"\n"
        "ADD_STYLE_NAME \"\"\nPIXEL_SIZE " +
        size + "\nPOINT_SIZE " + points + "\nRESOLUTION_X " + dpi + "\nRESOLUTION_Y " + dpi +
        "\nSPACING \"P\"\nAVERAGE_WIDTH " + average +
        "\nCHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\nFONT_ASCENT " + size +
        "\nFONT_DESCENT 0\nENDPROPERTIES\nCHARS " + std::to_string(count) + "\n";
    for (const std::uint8_t code : glyphs->codes) {
        const ZeichenTyp& g = s.Zeichen[code];
        const unsigned unicode = cp1252ToUnicode(code);
        const int width = columnsOf(g), rows = rowsOf(g);
        // The advance in thousandths of the point size, as BDF counts it.
        const int swidth = (width * 72000 + ascent * kResolution / 2) / (ascent * kResolution);
        out += "STARTCHAR uni" + hex4(unicode) + "\nENCODING " + std::to_string(unicode) +
               "\nSWIDTH " + std::to_string(swidth) + " 0\nDWIDTH " + std::to_string(width) +
               " 0\nBBX " + std::to_string(width) + " " + std::to_string(rows) + " 0 " +
               std::to_string(ascent - rows) + "\nBITMAP\n";
        for (int r = 1; r <= rows; ++r)
            out += hexRow(g, r) + "\n";
        out += "ENDCHAR\n";
    }
    return out + "ENDFONT\n";
}

Result<std::string> gfxFont(const Module1& s, const PhoneLists& lists, std::string_view name) {
    const auto glyphs = fontGlyphs(s, lists);
    if (!glyphs)
        return std::unexpected(glyphs.error());
    // Rounded as the phone rounds its numbers, halves to the even one.
    const auto pitch = toInteger(s.Zeilenhoehe);
    if (!pitch || *pitch < 0 || *pitch > 255)
        return fail("Die Zeilenhöhe " + numberToText(s.Zeilenhoehe) +
                    " passt nicht in ein GFX-yAdvance (0 bis 255)");
    const std::uint8_t first = glyphs->codes.front(), last = glyphs->codes.back();
    bool inFont[256] = {};
    for (const std::uint8_t code : glyphs->codes)
        inFont[code] = true;
    std::vector<std::uint8_t> bitmaps;
    std::string table;
    for (int code = first; code <= last; ++code) {
        const ZeichenTyp& g = s.Zeichen[code];
        const int width = inFont[code] ? columnsOf(g) : 0, rows = inFont[code] ? rowsOf(g) : 0;
        table += "    {" + std::to_string(bitmaps.size()) + ", " + std::to_string(width) + ", " +
                 std::to_string(rows) + ", " + std::to_string(width) + ", 0, " +
                 std::to_string(inFont[code] ? -glyphs->ascent : 0) + "}" +
                 (code < last ? "," : " ") + " /* 0x" +
                 hex4(static_cast<unsigned>(code)).substr(2) + " " +
                 commentText(cp1252ToUtf8(std::string(1, static_cast<char>(code)))) + " */\n";
        int bit = 0;
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= width; ++c, ++bit) {
                if (bit % 8 == 0)
                    bitmaps.push_back(0);
                if (g.punkt(r, c) != 0)
                    bitmaps.back() |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
            }
    }
    // C has no empty initialiser.
    if (bitmaps.empty())
        bitmaps.push_back(0);
    const std::string n(name), guard = upperCase(name) + "_GFX_FONT_H";
    return "/* " + commentText(s.Telefonname) +
           ": an Adafruit-GFX font made by smssim-bsd2font. Windows-1252 codes 0x" +
           hex4(first).substr(2) + " to 0x" + hex4(last).substr(2) +
           "; every glyph hangs from the top of the line, " + std::to_string(glyphs->ascent) +
           " rows above the baseline. */\n#ifndef " + guard + "\n#define " + guard +
           "\n#include <stdint.h>\n#ifndef PROGMEM\n#define PROGMEM\n#endif\n"
           "/* As Adafruit_GFX's gfxfont.h has them, for builds without it. */\n"
           "#ifndef _GFXFONT_H_\n#define _GFXFONT_H_\ntypedef struct {\n"
           "    uint16_t bitmapOffset;\n    uint8_t width, height;\n    uint8_t xAdvance;\n"
           "    int8_t xOffset, yOffset;\n} GFXglyph;\ntypedef struct {\n    uint8_t *bitmap;\n"
           "    GFXglyph *glyph;\n    uint16_t first, last;\n    uint8_t yAdvance;\n} GFXfont;\n"
           "#endif\n\nconst uint8_t " +
           n + "Bitmaps[] PROGMEM = {\n" + byteList(bitmaps, "    ") +
           "};\n\n/* bitmapOffset, width, height, xAdvance, xOffset, yOffset */\nconst GFXglyph " +
           n + "Glyphs[] PROGMEM = {\n" + table + "};\n\nconst GFXfont " + n +
           " PROGMEM = {(uint8_t *)" + n + "Bitmaps, (GFXglyph *)" + n + "Glyphs, " + "0x" +
           hex4(first).substr(2) + ", 0x" + hex4(last).substr(2) + ", " + std::to_string(*pitch) +
           "};\n#endif\n";
}

} // namespace smssim
