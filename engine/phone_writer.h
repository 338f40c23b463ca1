#pragma once
// Writes a phone definition file (the format of phone_loader.h) from a header and a
// glyph per character, in the layout of the shipped phones: one field per line, CR LF,
// every glyph row written out. Texts are Windows-1252 bytes.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace smssim {

struct PhoneHeader {
    std::string name; // Windows-1252
    int lineWidth = 0;
    int pictureHeight = 0;
    std::string extension; // Windows-1252, with its dot
    std::int32_t colour = 0;
    int displayHeight = 0;
    int displayWidth = 0;
    int pitch = 0;
    bool paragraphs = false;
    bool wordWrap = true;
};

// Pixel rows of "#" and "_", at most kGlyphSize rows of kGlyphSize - 1 pixels (the
// loader adds the empty column). No rows at all: a glyph that takes no room.
using GlyphRows = std::vector<std::string>;

// The codes a font can give a glyph: printable, so not the controls 0..31 and 127 nor
// the five bytes Windows-1252 leaves unassigned.
bool isPrintableCp1252(std::uint8_t code);

// Why a header text cannot be a field (a double quote or a line end in it), if it cannot.
std::optional<std::string> headerTextProblem(std::string_view text);

// The file: the header, then the default GSM alphabet in its table order (LF and CR as
// line ends without pixels), "S", then the other printable codes in code order. Codes
// without an entry in `glyphs` are left out. Precondition: headerTextProblem() finds
// nothing in name and extension.
std::string phoneDefinition(const PhoneHeader& header,
                            const std::map<std::uint8_t, GlyphRows>& glyphs);

} // namespace smssim
