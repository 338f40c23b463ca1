#pragma once
// What a message costs as SMS (3GPP TS 23.038 alphabets, TS 23.040 concatenation) and
// what the loaded phone cannot show. Texts are Windows-1252 bytes; character lists hold
// each character once, in order of first appearance. Each takes one pass over the
// message, cheap enough for every keystroke.

#include "national_tables.h"
#include "phone_loader.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace smssim {

enum class SmsEncoding { Gsm7, Ucs2 };

// One SMS holds 160 septets or 70 UCS-2 units; a concatenated part loses 6 bytes to its
// user data header and holds 153 septets or 67 units.
inline constexpr int kSingleGsm7 = 160;
inline constexpr int kPartGsm7 = 153;
inline constexpr int kSingleUcs2 = 70;
inline constexpr int kPartUcs2 = 67;

// A phone sends a paragraph break as one LF: the CR of each CR LF costs nothing.
struct SmsCost {
    SmsEncoding encoding = SmsEncoding::Gsm7;
    std::int64_t units = 0; // septets, or UCS-2 units
    std::int64_t parts = 0;
    std::int64_t unitsLeft = kSingleGsm7; // room left in the last part
    std::string forcingUcs2;              // characters no table of a usable pair holds
    std::int64_t lineBreaks = 0;          // CR LF counted as one LF
    // The national language identifiers of the tables in use; 0 for the default tables
    // and for UCS-2.
    int locking = 0;
    int single = 0;
    bool operator==(const SmsCost&) const = default;
};

// Septets of a character in GSM 7-bit: 1 in the default alphabet, 2 in its extension
// table (escape + code), 0 in neither.
int gsm7Septets(std::uint8_t code);

// The characters of the default alphabet that Windows-1252 holds, in the order of the
// GSM table, LF and CR among them.
const std::string& gsm7DefaultAlphabet();

// As Android counts it: every pair of a locking and a single shift table, of the
// default ones and those of `languages`, is tried; a character of the pair's shift table
// costs 2 septets, and each national table in use puts a 3-octet element into the
// header. Of the pairs that encode every character the one with the fewest parts, then
// the most septets left, wins; on a tie the first in the order locking 0, 1, 3 x single
// 0, 1, 2, 3. UCS-2 when none does: `forcingUcs2` then lists the characters no enabled
// table holds, or where each is in some table, those the default tables lack.
SmsCost smsCost(std::string_view text, NationalLanguages languages = {});

// The GSM look-alike of a character that forces UCS-2 ("\x93" becomes '"', "\x85" "..."),
// empty for every other character.
std::string_view lookAlike(std::uint8_t code);

struct SmartReplacement {
    std::string text;     // with every look-alike in
    std::string replaced; // the characters replaced
    SmsCost cost;         // of `text`
    bool operator==(const SmartReplacement&) const = default;
};

SmartReplacement smartReplacement(std::string_view text, NationalLanguages languages = {});

enum class GlyphKind : std::uint8_t { Undefined, Available, Special };
using GlyphKinds = std::array<GlyphKind, 256>;

// Built once per loaded phone: a code listed after "S" is special, one listed only
// before it available, one never listed undefined (a defined glyph may be empty).
GlyphKinds glyphKinds(const PhoneLists& lists);

struct GlyphFindings {
    std::string withoutGlyph; // CR and LF left out: they are no glyphs
    std::string specialCharacters;
    bool operator==(const GlyphFindings&) const = default;
};

GlyphFindings glyphFindings(std::string_view text, const GlyphKinds& kinds);

} // namespace smssim
