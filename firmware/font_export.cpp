#include "font_export.h"

#include "c_source.h"
#include "font_files.h"
#include "layout_library.h"

#include <array>

namespace smssim {

namespace {

constexpr std::array<FontFormatName, 3> kFormats{
    {{FontFormat::Bdf, "bdf", "bdf", "BDF 2.1, Unicode"},
     {FontFormat::Gfx, "gfx", "h", "ein Adafruit-GFX-Header"},
     {FontFormat::C, "c", "h", "das Telefon als C99-Bibliothek: Zeichen, Umbruch, Zeichnen"}}};

} // namespace

std::span<const FontFormatName> fontFormats() {
    return kFormats;
}

const FontFormatName& fontFormatName(FontFormat format) {
    return kFormats[static_cast<std::size_t>(format)];
}

Result<std::string> fontFile(FontFormat format, const Module1& phone, const PhoneLists& lists,
                             std::string_view name) {
    if (const auto problem = cNameProblem(name); problem && format != FontFormat::Bdf)
        return fail(*problem, ExitStatus::Usage);
    switch (format) {
    case FontFormat::Gfx:
        return gfxFont(phone, lists, name);
    case FontFormat::C:
        return layoutLibrary(phone, lists, name);
    case FontFormat::Bdf:
        break;
    }
    return bdfFont(phone, lists);
}

} // namespace smssim
