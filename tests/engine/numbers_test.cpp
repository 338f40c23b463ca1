#include "numbers.h"

#include <gtest/gtest.h>

using namespace smssim;

TEST(Numbers, ParseDecimalOnlyRoundHalfToEvenInRange) {
    const std::pair<const char*, double> numbers[] = {
        {"160", 160}, {"-3", -3}, {"+7", 7}, {"48.5", 48.5}, {".5", 0.5}, {"5.", 5}, {"1e3", 1000}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(parseNumber(text), value) << text;
    for (const char* bad :
         {"", " 1", "1 ", "abc", "1,5", "inf", "nan", "0x41", "1e", "-", ".", "12abc", "1e999"})
        EXPECT_FALSE(parseNumber(bad)) << bad;
    // Whole numbers round half to even and check their range.
    const std::pair<double, int> whole[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},
                                            {-2.5, -2}, {65.4, 65}, {32767.4, 32767}};
    for (const auto& [value, rounded] : whole)
        EXPECT_EQ(toInteger(value), rounded) << value;
    EXPECT_FALSE(toInteger(32767.5));
    EXPECT_FALSE(toInteger(-32769));
    EXPECT_EQ(toLong(2147483647), 2147483647);
    EXPECT_FALSE(toLong(2147483648.0));
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
