#pragma once
// Whether a refused file left the session as it was: phone, glyphs and paging.

#include "test_phone.h"

#include <gtest/gtest.h>
#include <tuple>

namespace smssim::test {

// A phone loaded and a session under way, so that any change a refused file makes shows.
inline Module1 sessionWithMiniPhone() {
    Module1 s = loadTestPhone();
    s.Absaetze = true;
    s.Bildversatz = -8;
    s.Zeichen[0].Breite = 5;
    s.Zeichen[0].punkt(0, 0) = -1;
    return s;
}

inline void expectSameState(const Module1& now, const Module1& before) {
    EXPECT_TRUE(static_cast<const PhoneData&>(now) == before);
    EXPECT_EQ(std::tie(now.Absaetze, now.Bildversatz),
              std::tie(before.Absaetze, before.Bildversatz));
    for (int code = 0; code < 256; ++code) {
        const ZeichenTyp &a = now.Zeichen[code], &b = before.Zeichen[code];
        EXPECT_EQ(std::tie(a.Punkte, a.Breite, a.Hoehe), std::tie(b.Punkte, b.Breite, b.Hoehe))
            << "code " << code;
    }
}

} // namespace smssim::test
