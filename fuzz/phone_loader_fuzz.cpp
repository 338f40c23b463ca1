// Any bytes as a phone definition: the loader either refuses them and leaves the state
// as it was, or loads glyphs the renderer can draw.

#include "fuzz_check.h"
#include "phone_loader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace smssim;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    Module1 state;
    state.Telefonname = "vorher";
    state.Bildhoehe = 1;
    state.Absaetze = true;
    state.Zeichen[65].Breite = 3;
    state.Zeichen[65].punkt(2, 2) = -1;
    const Module1 before = state;

    const auto result = ZeichensatzLadenAusDaten(state, data, "fuzz.bsd");
    if (!result) {
        FUZZ_CHECK(state == before);
        FUZZ_CHECK(result.error().reason.size() < 1000);
        return 0;
    }
    FUZZ_CHECK(state.Bildhoehe > 0);
    FUZZ_CHECK(state.Displayhoehe > 0 && state.Displayhoehe <= kMaxDisplaySize);
    FUZZ_CHECK(state.Displaybreite > 0 && state.Displaybreite <= kMaxDisplaySize);
    for (const ZeichenTyp& glyph : state.Zeichen) {
        FUZZ_CHECK(glyph.Breite >= 0 && glyph.Breite <= 10);
        FUZZ_CHECK(glyph.Hoehe >= 0 && glyph.Hoehe <= 10);
    }
    return 0;
}
