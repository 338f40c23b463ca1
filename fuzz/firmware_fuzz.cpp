// A fuzzed phone, message and C name through every generator of files for other tools:
// each either refuses with a reason or writes text a C compiler (or a BDF reader) takes
// as meant, whatever the phone's name and glyphs hold.

#include "c_text_check.h"
#include "font_export.h"
#include "fuzz_check.h"
#include "phone_loader.h"
#include "pixel_grid.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

using namespace smssim;

namespace {

// BDF is line by line: printable lines from STARTFONT to ENDFONT.
bool validBdf(const std::string& bdf) {
    if (!bdf.starts_with("STARTFONT 2.1\n") || !bdf.ends_with("ENDFONT\n"))
        return false;
    for (const char c : bdf)
        if (c == '\r' || c == '\0' || (static_cast<unsigned char>(c) < ' ' && c != '\n'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    const bool absaetze = input.ConsumeBool();
    const auto order = input.ConsumeBool() ? ByteOrder::Pages : ByteOrder::Rows;
    const std::string name = input.ConsumeRandomLengthString(24);
    const std::string message = input.ConsumeRandomLengthString(1024);
    const std::string phone = input.ConsumeRemainingBytesAsString();

    Module1 state;
    const auto lists = ZeichensatzLadenAusDaten(state, phone, "fuzz.bsd");
    if (!lists)
        return 0;
    state.Absaetze = absaetze && lists->absaetzeErlaubt;
    for (const FontFormatName& f : fontFormats()) {
        const auto file = fontFile(f.format, state, *lists, name);
        if (!file) {
            FUZZ_CHECK(!file.error().reason.empty());
            continue;
        }
        FUZZ_CHECK(f.format == FontFormat::Bdf || isCIdentifier(name));
        FUZZ_CHECK(f.format == FontFormat::Bdf ? validBdf(*file) : fuzz::validCText(*file));
    }
    if (!isCIdentifier(name) || message.size() > 256)
        return 0;
    const auto grids = pictureGrids(state, message);
    FUZZ_CHECK(fuzz::validCText(cHeader(grids, name, state.Telefonname, order)));
    FUZZ_CHECK(fuzz::validCText(xbmImage(grids.front(), name)));
    return 0;
}
