#include "layout_library.h"

#include "c_source.h"
#include "cp1252.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

namespace smssim {

namespace {

// The API's coordinates are int16_t: a dot lies at most one glyph right of the line width
// and one glyph below the picture's height.
constexpr double kMaxCoordinate = 32767;
constexpr double kMaxLineWidth = kMaxCoordinate;
constexpr double kMaxPictureHeight = kMaxCoordinate - kGlyphSize;
// What name_draw can be asked: picture -32768 .. 32767, up to 65535 bytes, each starting at
// most two lines (a CR LF and a glyph wider than the line, or a space that wraps twice).
constexpr double kMostPicturesBack = 32769;
constexpr double kMostLines = 2.0 * 65535;
// Whole numbers up to 2^24 are exact in float: a layout whose line tops stay within it
// counts them in int32_t and gets what the engine's float arithmetic gets.
constexpr double kExactInFloat = 16777216;

std::string numberText(long long n) {
    return std::to_string(n);
}

// A double as a C99 hexadecimal literal: the very value, no decimal rounding; the decimal
// beside it for the reader.
std::string exactLiteral(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", v);
    return text + (" /* " + numberToText(v) + " */");
}

bool whole(double v) {
    return std::isfinite(v) && v == std::floor(v);
}

// The template with each ${key} replaced by its value, in one pass, so a value is never
// read as a template itself.
std::string replaced(std::string_view text, const std::map<std::string, std::string>& values) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find("${"); at != std::string_view::npos;
         at = text.find("${", from)) {
        const std::size_t end = text.find('}', at);
        out += text.substr(from, at - from);
        out += values.at(std::string(text.substr(at + 2, end - at - 2)));
        from = end + 1;
    }
    return out += text.substr(from);
}

struct GlyphTables {
    int first = 0;
    int last = -1;
    std::vector<std::uint8_t> sizes;  // Breite | rows << 4
    std::vector<std::uint8_t> starts; // first bit of each glyph, low byte first
    std::vector<std::uint8_t> bits;
};

// The drawn box of each glyph, column by column, each column from the top: the order in
// which ZeichenZeichnen draws. Rows below the glyph's last dot are left out.
GlyphTables glyphTables(const GlyphTable& zeichen) {
    GlyphTables t;
    for (int code = 0; code < 256; ++code)
        if (zeichen[code].Breite > 0) {
            t.first = t.last < 0 ? code : t.first;
            t.last = code;
        }
    unsigned bit = 0;
    for (int code = t.first; code <= t.last; ++code) {
        const ZeichenTyp& g = zeichen[code];
        int rows = 0;
        for (int c = 1; c <= g.Breite; ++c)
            for (int r = 1; r <= g.Hoehe; ++r)
                if (g.punkt(r, c) != 0)
                    rows = std::max(rows, r);
        t.sizes.push_back(static_cast<std::uint8_t>(g.Breite | rows << 4));
        t.starts.push_back(static_cast<std::uint8_t>(bit & 0xff));
        t.starts.push_back(static_cast<std::uint8_t>(bit >> 8));
        for (int c = 1; c <= g.Breite; ++c)
            for (int r = 1; r <= rows; ++r, ++bit) {
                if (bit % 8 == 0)
                    t.bits.push_back(0);
                if (g.punkt(r, c) != 0)
                    t.bits.back() |= static_cast<std::uint8_t>(1 << bit % 8);
            }
    }
    if (t.bits.empty()) // C has no empty arrays
        t.bits.push_back(0);
    return t;
}

// Why the phone cannot be a library whose API counts in int16_t, if it cannot.
std::optional<std::string> rangeProblem(const Module1& s) {
    const auto limit = [](const char* what, double value, double most) {
        return what + std::string(" ") + numberToText(value) +
               " ist zu groß für die int16_t-Koordinaten der Bibliothek (höchstens " +
               numberToText(most) + ")";
    };
    if (!(s.Zeilenbreite < kMaxLineWidth + 1))
        return limit("Die Zeilenbreite", s.Zeilenbreite, kMaxLineWidth);
    if (!(s.Bildhoehe > 0))
        return "Die Bildhöhe muss größer als 0 sein";
    if (s.Bildhoehe > kMaxPictureHeight)
        return limit("Die Bildhöhe", s.Bildhoehe, kMaxPictureHeight);
    for (const auto& [what, size] :
         {std::pair("Die Displaybreite", s.Displaybreite), {"Die Displayhöhe", s.Displayhoehe}}) {
        if (!(size > 0))
            return what + std::string(" muss größer als 0 sein");
        if (size > kMaxCoordinate)
            return limit(what, size, kMaxCoordinate);
    }
    if (!std::isfinite(s.Zeilenhoehe))
        return "Die Zeilenhöhe ist keine endliche Zahl";
    for (int code = 0; code < 256; ++code) {
        const ZeichenTyp& g = s.Zeichen[code];
        if (g.Breite < 0 || g.Breite > kGlyphSize || g.Hoehe < 0 || g.Hoehe > kGlyphSize)
            return "Breite und Höhe des Zeichens " + std::to_string(code) + " müssen von 0 bis " +
                   std::to_string(kGlyphSize) + " Pixel sein";
    }
    return std::nullopt;
}

constexpr const char* kHead =
    R"(/* ${n}: the phone „${phone}“ as a layout library for firmware, made by smssim.
   C99 without allocation or I/O; every name is static, so the headers of several phones
   can be included in one program.

   ${n}_draw lays `length` Windows-1252 bytes out as the phone does (word wrap, paragraphs,
   glyphs wrapped at the line width, pictures of the phone's picture height) and calls
   `pixel` for every dot of picture `picture` (1 = first), in drawing order, dots outside
   the display included. It returns the number of pictures, at most 32767.
   `paragraphs`: CR LF starts a new line (only if the phone allows it).${caveat} */
#ifndef ${N}_LAYOUT_H
#define ${N}_LAYOUT_H

#include <stdint.h>

#define ${N}_WIDTH ${width}
#define ${N}_HEIGHT ${height}

typedef void (*${n}_pixel_fn)(int16_t x, int16_t y, void *user);

/* Where the tables live and how a byte of them is read: a device that keeps constants in
   program memory defines both before the include (AVR: SMSSIM_TABLE as PROGMEM and
   SMSSIM_READ_BYTE(p) as pgm_read_byte(p)). */
#ifndef SMSSIM_TABLE
#define SMSSIM_TABLE
#endif
#ifndef SMSSIM_READ_BYTE
#define SMSSIM_READ_BYTE(p) (*(p))
#endif

/* Glyph of code c, ${first} to ${last} (any other code has none): its width in the low four
   bits of ${n}_size_[c - ${first}], the rows it draws in the high four; its dots from bit
   ${n}_start_[2 * (c - ${first})] (low byte first) of ${n}_bits_ on (bit k is bit k % 8 of
   byte k / 8), column by column from the left, each column from the top. */
static const uint8_t ${n}_size_[${count}] SMSSIM_TABLE = {
${sizes}};
static const uint8_t ${n}_start_[2 * ${count}] SMSSIM_TABLE = {
${starts}};
static const uint8_t ${n}_bits_[${bytes}] SMSSIM_TABLE = {
${bits}};

static inline uint8_t ${n}_size_of_(uint8_t c)
{
    return ${inTable} ? SMSSIM_READ_BYTE(&${n}_size_[c - ${first}]) : 0;
}
)";

constexpr const char* kRound = R"(
/* To the nearest whole number, halves to the even one, as the engine rounds. */
static inline int32_t ${n}_round_(double v)
{
    const int negative = v < 0;
    const double a = negative ? -v : v;
    int32_t t = (int32_t)a;
    const double rest = a - t;
    if (rest > 0.5 || (rest == 0.5 && (t & 1)))
        ++t;
    return negative ? -t : t;
}
)";

// Line tops as whole numbers: the pitch is whole and no top leaves float's exact range.
constexpr const char* kWholeLines = R"(
typedef int32_t ${n}_top_;
static inline int32_t ${n}_next_(int32_t top) { return top + (${pitch}); }
static inline int ${n}_shown_(int32_t top) { return top >= 0 && top < ${heightAbove}; }
static inline int16_t ${n}_dot_y_(int32_t top, int row) { return (int16_t)(top + row); }
)";

// Line tops in float, each step added in double, as the engine counts them.
constexpr const char* kFloatLines = R"(
typedef float ${n}_top_;
static inline float ${n}_next_(float top) { return (float)((double)top + ${pitch}); }
static inline int ${n}_shown_(float top) { return top >= 0 && (double)top < ${pictureHeight}; }
static inline int16_t ${n}_dot_y_(float top, int row)
{
    return (int16_t)${n}_round_((double)top + row);
}
)";

constexpr const char* kDraw = R"(
static inline int16_t ${n}_draw(const uint8_t *text, uint16_t length, int16_t picture,
                                int paragraphs, ${n}_pixel_fn pixel, void *user)
{
    /* The first line's top: picture 2 starts one picture height above the display. */
    const int32_t start = ${start};
    ${n}_top_ top = (${n}_top_)start;
    int16_t x = 0;
    uint16_t i;
    paragraphs = ${paragraphsAllowed} && paragraphs;
    for (i = 0; i < length; ++i) {
        const uint8_t c = text[i];
        const uint8_t size = ${n}_size_of_(c);
        const int16_t width = size & 15;
        if (paragraphs && c == 13 && i + 1 < length && text[i + 1] == 10) {
            top = ${n}_next_(top);
            x = 0;
        }
        if (${wordWrap} && c == 32) {
            /* The word up to the next space or CR, and the space at least 3 wide: a word
               that does not fit behind it starts the next line. */
            int32_t room = (int32_t)${lineWidth} - x - ${spaceRoom};
            uint16_t j;
            for (j = i + 1; j < length && room >= 0 && text[j] != 32 && text[j] != 13; ++j)
                room -= ${n}_size_of_(text[j]) & 15;
            if (room < 0) {
                top = ${n}_next_(top);
                x = -${spaceWidth};
            }
        }
        if (x > ${lineWidth} - width) {
            top = ${n}_next_(top);
            x = 0;
        }
        if (size > 15 && ${n}_shown_(top)) {
            const int16_t rows = size >> 4;
            const uint8_t *start_at = &${n}_start_[2 * (c - ${first})];
            uint16_t bit = (uint16_t)(SMSSIM_READ_BYTE(start_at) |
                                      (uint16_t)SMSSIM_READ_BYTE(start_at + 1) << 8);
            int16_t column, row;
            for (column = 1; column <= width; ++column)
                for (row = 1; row <= rows; ++row, ++bit)
                    if ((SMSSIM_READ_BYTE(&${n}_bits_[bit >> 3]) >> (bit & 7)) & 1)
                        pixel((int16_t)(x + column), ${n}_dot_y_(top, row), user);
        }
        x += width;
    }
    {
        /* Whole pictures from the first line's top to the last one's, plus one. */
        ${pictures}
    }
}

#endif
)";

// Pictures counted in int32_t: the distance of the tops is whole, and so is the height.
constexpr const char* kWholePictures = R"(const int32_t q = (top - start) / ${pictureHeight};
        return q >= 32766 ? 32767 : q <= -32769 ? -32768 : (int16_t)(q + 1);)";

// As the engine: the distance in float, divided in double.
constexpr const char* kFloatPictures = R"(const float distance = (float)top - (float)start;
        const double q = (double)distance / ${pictureHeight};
        return q >= 32766 ? 32767 : q <= -32769 ? -32768 : (int16_t)((int32_t)q + 1);)";

} // namespace

Result<std::string> layoutLibrary(const Module1& s, const PhoneLists& lists,
                                  std::string_view name) {
    if (auto problem = cNameProblem(name))
        return fail(*problem, ExitStatus::Usage);
    if (auto problem = rangeProblem(s))
        return fail(*problem);
    const GlyphTables t = glyphTables(s.Zeichen);
    if (t.last < 0)
        return fail("Die Zeichensatzdatei hat kein Zeichen mit Breite: es gäbe nichts zu "
                    "zeichnen");

    const bool wholeLines =
        whole(s.Zeilenhoehe) &&
        kMostPicturesBack * s.Bildhoehe + 1 + kMostLines * std::abs(s.Zeilenhoehe) <= kExactInFloat;
    const bool wholeHeight = whole(s.Bildhoehe);
    const bool usesDouble = !wholeLines || !wholeHeight;
    // A line width below -11 wraps every glyph as -11 does: x + width is never below -10.
    const double lineWidth = std::max(std::floor(s.Zeilenbreite), -11.0);
    const int space = s.Zeichen[' '].Breite;

    const std::map<std::string, std::string> values{
        {"n", std::string(name)},
        {"N", upperCase(name)},
        {"phone", commentText(s.Telefonname)},
        {"caveat", usesDouble
                       ? "\n   Line tops and pictures are counted in float and double as smssim "
                         "counts them; a\n   device whose `double` has 32 bits can differ at "
                         "rare boundaries."
                       : ""},
        {"width", numberText(static_cast<long long>(std::ceil(s.Displaybreite)))},
        {"height", numberText(static_cast<long long>(std::ceil(s.Displayhoehe)))},
        {"first", numberText(t.first)},
        {"last", numberText(t.last)},
        {"count", numberText(static_cast<long long>(t.sizes.size()))},
        {"bytes", numberText(static_cast<long long>(t.bits.size()))},
        {"sizes", byteList(t.sizes, "    ")},
        {"starts", byteList(t.starts, "    ")},
        {"bits", byteList(t.bits, "    ")},
        // One unsigned comparison; none at all when every code is in the table.
        {"inTable", t.first == 0 && t.last == 255 ? std::string("1")
                                                  : "(uint8_t)(c - " + numberText(t.first) +
                                                        ") <= " + numberText(t.last - t.first)},
        {"pitch", wholeLines ? numberText(static_cast<long long>(s.Zeilenhoehe))
                             : exactLiteral(s.Zeilenhoehe)},
        {"heightAbove", numberText(static_cast<long long>(std::ceil(s.Bildhoehe)))},
        {"pictureHeight", wholeHeight && wholeLines
                              ? numberText(static_cast<long long>(s.Bildhoehe))
                              : exactLiteral(s.Bildhoehe)},
        {"start",
         wholeHeight ? "((int32_t)1 - picture) * " + numberText(static_cast<long long>(s.Bildhoehe))
                     : std::string(name) + "_round_(-(((double)picture - 1) * " +
                           exactLiteral(s.Bildhoehe) + "))"},
        {"paragraphsAllowed", lists.absaetzeErlaubt ? "1" : "0"},
        {"wordWrap", s.Zeilensprung ? "1" : "0"},
        {"lineWidth", numberText(static_cast<long long>(lineWidth))},
        {"spaceRoom", numberText(std::max(3, space))},
        {"spaceWidth", numberText(space)},
    };
    std::string out = kHead;
    if (usesDouble)
        out += kRound;
    out += wholeLines ? kWholeLines : kFloatLines;
    out += kDraw;
    const std::string pictures = "${pictures}";
    out.replace(out.find(pictures), pictures.size(),
                wholeLines && wholeHeight ? kWholePictures : kFloatPictures);
    return replaced(out, values);
}

} // namespace smssim
