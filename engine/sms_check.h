#pragma once
// What a message costs as SMS (3GPP TS 23.038 alphabets, TS 23.040 concatenation) and
// what the loaded phone cannot show. Texts are Windows-1252 bytes; character lists hold
// each character once, in order of first appearance. Each takes one pass over the
// message, cheap enough for every keystroke.

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

struct SmsCost {
    SmsEncoding encoding = SmsEncoding::Gsm7;
    std::int64_t units = 0; // septets, or UCS-2 units
    std::int64_t parts = 0;
    std::int64_t unitsLeft = kSingleGsm7; // room left in the last part
    std::string forcingUcs2;              // characters in neither GSM table
    bool operator==(const SmsCost&) const = default;
};

// Septets of a character in GSM 7-bit: 1 in the default alphabet, 2 in its extension
// table (escape + code), 0 in neither.
int gsm7Septets(std::uint8_t code);

// The characters of the default alphabet that Windows-1252 holds, in the order of the
// GSM table, LF and CR among them.
const std::string& gsm7DefaultAlphabet();

SmsCost smsCost(std::string_view text);

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
