#pragma once
// The phone's font for other tools, one entry for each format, shared by smssim-bsd2font
// and the window: a BDF font, an Adafruit-GFX font header, or the phone as a C99 layout
// library.

#include "phone_loader.h"
#include "problem.h"
#include "state.h"

#include <span>
#include <string>
#include <string_view>

namespace smssim {

enum class FontFormat { Bdf, Gfx, C };

struct FontFormatName {
    FontFormat format;
    std::string_view option;    // the value of --format
    std::string_view extension; // of its file, without the dot
    std::string_view what;      // German, for a usage text
};

// Every format, in the order the program offers them; BDF, the default, first.
std::span<const FontFormatName> fontFormats();
const FontFormatName& fontFormatName(FontFormat format);

// The file of `format` for the phone; `name` is the C identifier of gfx and c.
Result<std::string> fontFile(FontFormat format, const Module1& phone, const PhoneLists& lists,
                             std::string_view name);

} // namespace smssim
