// Windows-1252 text and numbers written as text. Fields and the reading of numbers are
// tested with the phone and message files that read them.

#include "cp1252.h"
#include "numbers.h"

#include <gtest/gtest.h>

using namespace smssim;

TEST(Cp1252, EveryByteRoundTripsThroughUtf8AndMapsTheC1Range) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    // The Windows characters of the C1 range, and two letters.
    const std::pair<int, char32_t> characters[] = {{0x80, U'€'}, {0x84, U'„'}, {0x93, U'“'},
                                                   {0x96, U'–'}, {0xE4, U'ä'}, {0xDF, U'ß'}};
    for (const auto& [code, unicode] : characters) {
        EXPECT_EQ(cp1252ToUnicode(static_cast<std::uint8_t>(code)), unicode) << code;
        EXPECT_EQ(unicodeToCp1252(unicode), code) << code;
    }
    EXPECT_EQ(utf8ToCp1252("Grüße €"), std::string("Gr\xFC\xDF"
                                                   "e \x80"));
    EXPECT_FALSE(unicodeToCp1252(U'Ω'));
    EXPECT_FALSE(unicodeToCp1252(0x80)) << "U+0080 is no euro sign";
    // Not Windows-1252, cut off, overlong, a surrogate, no UTF-8 at all.
    for (const char* bad : {"Ω", "\xC3", "\xC0\x80", "\xED\xA0\x80", "\xFF"})
        EXPECT_FALSE(utf8ToCp1252(bad)) << bad;
}

TEST(NumberToText, WritesWholeNumbersInFullNotInExponentForm) {
    // Letters left of a 100,000-character message, picture numbers past 16 bits; beyond
    // 15 digits the exponent form stays.
    // clang-format off
    const std::pair<double, const char*> rows[] = {
        {3, "3"}, {0.5, "0.5"}, {-0.0, "0"}, {-100000, "-100000"}, {40000, "40000"},
        {100000, "100000"}, {2147483647, "2147483647"}, {-2147583647.0, "-2147583647"},
        {999999999999999.0, "999999999999999"}, {1e15, "1e+15"}, {100000.5, "100000.5"}};
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(numberToText(value), text) << text;
}
