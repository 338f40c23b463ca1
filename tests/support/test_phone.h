#pragma once
// Test phones written by the program's own phone writer, so that a test names only what
// its phone differs in. The default is the small phone of the layout tests: line width 20,
// picture height 8, a grey 24 x 10 display, pitch 4, paragraphs and word wrap. Widths with
// the empty column: space 3, A 4, B 4, C 3, "." 2; A is
//   .#.
//   ###
//   #.#
// and draws column by column, each from the top: its 6 dots are (1,2) (1,3) (2,1) ...

#include "phone_loader.h"
#include "phone_writer.h"

#include <gtest/gtest.h>

namespace smssim::test {

struct TestPhone {
    PhoneHeader header{"Mini", 20, 8, ".min", 11184810, 10, 24, 4, true, true};
    std::map<std::uint8_t, GlyphRows> glyphs{{' ', {"__"}},
                                             {'A', {"_#_", "###", "#_#"}},
                                             {'B', {"##", "###", "##"}},
                                             {'C', {"##", "#_", "##"}},
                                             {'.', {"", "", "#"}},
                                             {0xE4, {"#_#", "_#_", "###"}}};
};

inline std::string testPhone(const TestPhone& phone = {}) {
    return phoneDefinition(phone.header, phone.glyphs);
}

// The state with the phone loaded; a refused phone fails the test.
inline Module1 loadTestPhone(const TestPhone& phone = {}) {
    Module1 s;
    const auto result = ZeichensatzLadenAusDaten(s, testPhone(phone), "test.bsd");
    if (!result)
        ADD_FAILURE() << result.error().reason;
    return s;
}

// A phone loaded and a session under way, so that any change a refused file makes shows.
inline Module1 sessionWithMiniPhone() {
    Module1 s = loadTestPhone();
    s.Absaetze = true;
    s.Bildversatz = -8;
    s.Zeichen[0].Breite = 5;
    s.Zeichen[0].punkt(0, 0) = -1;
    return s;
}

} // namespace smssim::test
