#include "cp1252.h"

#include <gtest/gtest.h>

using namespace smssim;

TEST(Cp1252, EveryByteRoundTripsThroughUtf8AndMapsTheC1Range) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    const auto back = utf8ToCp1252(cp1252ToUtf8(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
    // The Windows characters of the C1 range.
    EXPECT_EQ(cp1252ToUnicode(0x80), U'€');
    EXPECT_EQ(cp1252ToUnicode(0x84), U'„');
    EXPECT_EQ(cp1252ToUnicode(0x93), U'“');
    EXPECT_EQ(cp1252ToUnicode(0x96), U'–');
    EXPECT_EQ(cp1252ToUnicode(0xE4), U'ä');
    EXPECT_EQ(unicodeToCp1252(U'€'), 0x80);
    EXPECT_EQ(unicodeToCp1252(U'ß'), 0xDF);
    EXPECT_EQ(utf8ToCp1252("Grüße €"), std::string("Gr\xFC\xDF"
                                                   "e \x80"));
}

TEST(Cp1252, RefusesWhatItCannotHold) {
    EXPECT_FALSE(unicodeToCp1252(U'Ω'));
    EXPECT_FALSE(unicodeToCp1252(0x80)) << "U+0080 is no euro sign";
    EXPECT_FALSE(utf8ToCp1252("Ω"));
    EXPECT_FALSE(utf8ToCp1252("\xC3"));         // cut off
    EXPECT_FALSE(utf8ToCp1252("\xC0\x80"));     // overlong
    EXPECT_FALSE(utf8ToCp1252("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(utf8ToCp1252("\xFF"));
}
