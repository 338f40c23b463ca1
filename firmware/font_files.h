#pragma once
// The phone's glyphs as fonts for other tools and for firmware: BDF 2.1 (FreeType, u8g2's
// bdfconv, Adafruit's BDF reader) and an Adafruit-GFX font header. Both keep every glyph
// where the phone draws it: hanging from the top of the line, the ascent (the tallest
// glyph's Hoehe, at least 1) above the baseline, nothing below it, Breite wide and
// Breite its advance, the empty column included.
//
// The glyphs are the codes the phone lists (ordinary and special characters), each
// once; control codes that draw nothing (the line ends every phone lists) are left out.

#include "phone_loader.h"
#include "problem.h"
#include "state.h"

#include <string>
#include <string_view>

namespace smssim {

// Unicode encodings (ISO10646-1), each glyph's box Breite x Hoehe with its top at the
// ascent. The phone's name is FAMILY_NAME as UTF-8, and in FONT with what an X font name
// cannot hold as '_'. A phone without a glyph is a reason.
Result<std::string> bdfFont(const Module1& phone, const PhoneLists& lists);

// NAMEBitmaps, NAMEGlyphs and the GFXfont NAME over the Windows-1252 codes from the first
// glyph to the last, codes between without a glyph as empty ones. Bitmaps row by row, the
// most significant bit first, without padding between rows; every glyph starts a byte.
// yOffset is -ascent, yAdvance the line pitch rounded. Precondition: isCIdentifier(name).
Result<std::string> gfxFont(const Module1& phone, const PhoneLists& lists, std::string_view name);

} // namespace smssim
