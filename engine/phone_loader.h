#pragma once
// Phone definition files (*.bsd): Windows-1252 text read as delimited fields (fields.h).
//
// Header, the first ten fields by position:
//   1 Telefonname        text
//   2 Zeilenbreite       number: usable line width in pixels, the wrap limit
//   3 Bildhoehe          number > 0: height of one display picture
//   4 Dateiendung        text: message file extension with its dot, as ".n51"
//   5 Hintergrundfarbe   whole number, 32-bit: red in the low byte, then green, blue
//   6 Displayhoehe       number, 0 < n <= kMaxDisplaySize
//   7 Displaybreite      number, 0 < n <= kMaxDisplaySize
//   8 Zeilenhoehe        number: line pitch
//   9 "Absätze: Ja" allows paragraphs, anything else forbids them
//  10 "Zeilensprung: Ja" switches word wrap on, anything else off (exact letter case)
//
// Glyph section, every further field:
//   - a field whose first character is a digit is a code field: a whole number 0..255
//     that starts the glyph of that character and adds it to a character list;
//   - "S" switches the lists: later codes are special characters;
//   - any other field is a row field: ":" starts the next pixel row, "#" sets the
//     pixel at (row, position - 1), "_" clears it, any other character only takes a
//     position. Breite is the length of the longest row field (so every glyph keeps
//     one empty column), Hoehe the number of ":". "S" counts as a row field of length 1.
//   - rows before the first code field belong to code 1; an empty field changes nothing.
// Limits (inclusive): at most 10 rows and 10 columns per glyph, so a row field is at
// most 10 characters; row 0 and column 0 are never drawn.
//
// A file is checked completely before anything is replaced: a refused file leaves
// the state as it was. Besides the limits above, a file is refused when it
//   - is larger than kMaxPhoneFileSize (a full font is some 40 kB; this keeps a wrong
//     choice such as a video from stalling the program),
//   - is no regular file (a folder, a device, a pipe: reading one could block forever),
//   - holds a NUL byte (no text file) or starts with a UTF-16 byte order mark,
//   - leaves a double quote unclosed, in the header as in the glyph section.
// A file that starts with the UTF-8 byte order mark is read as UTF-8 and converted to
// Windows-1252, so an editor's UTF-8 copy of a phone loads as the original; a line
// that is no valid UTF-8 or holds a character Windows-1252 lacks refuses it.
// Line ends may be CR LF, LF or a lone CR. Fields quoted in error texts are cut after
// 40 characters and show control characters as visible symbols.

#include "problem.h"
#include "state.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace smssim {

inline constexpr double kMaxDisplaySize = 1000;
inline constexpr std::size_t kMaxPhoneFileSize = 1024 * 1024; // bytes, inclusive

// What the main window needs besides the state: the two character lists
// (Windows-1252 bytes, in file order) and whether the phone allows paragraphs.
struct PhoneLists {
    bool absaetzeErlaubt = false;
    std::string verfuegbar;
    std::string sonder;
};

// Empties codes 1..255 (rows and columns 1..10, Breite, Hoehe); code 0 and row 0 and
// column 0 keep what they hold.
void ZeichensatzLeeren(GlyphTable& zeichen);

// Reads the file at `path` and, when it passes every check, replaces the phone data
// and the glyph table of `state` (Absaetze becomes false when the phone forbids
// paragraphs). On failure `state` is untouched and the reason names the file, the line
// and what is wrong with it.
Result<PhoneLists> ZeichensatzLaden(Module1& state, const std::string& path);

// The same on file contents already read; `name` is used in error texts.
Result<PhoneLists> ZeichensatzLadenAusDaten(Module1& state, std::string_view data,
                                            const std::string& name);

} // namespace smssim
