#include "numbers.h"

#include <gtest/gtest.h>

using namespace smssim;

TEST(Numbers, ParseDecimalOnlyRoundHalfToEvenInRange) {
    EXPECT_EQ(parseNumber("160"), 160);
    EXPECT_EQ(parseNumber("-3"), -3);
    EXPECT_EQ(parseNumber("+7"), 7);
    EXPECT_EQ(parseNumber("48.5"), 48.5);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("5."), 5);
    EXPECT_EQ(parseNumber("1e3"), 1000);
    for (const char* bad :
         {"", " 1", "1 ", "abc", "1,5", "inf", "nan", "0x41", "1e", "-", ".", "12abc", "1e999"})
        EXPECT_FALSE(parseNumber(bad)) << bad;
    // Whole numbers round half to even and check their range.
    EXPECT_EQ(toInteger(0.5), 0);
    EXPECT_EQ(toInteger(1.5), 2);
    EXPECT_EQ(toInteger(2.5), 2);
    EXPECT_EQ(toInteger(-2.5), -2);
    EXPECT_EQ(toInteger(65.4), 65);
    EXPECT_EQ(toInteger(32767.4), 32767);
    EXPECT_FALSE(toInteger(32767.5));
    EXPECT_FALSE(toInteger(-32769));
    EXPECT_EQ(toLong(2147483647), 2147483647);
    EXPECT_FALSE(toLong(2147483648.0));
}

TEST(NumberToText, WritesWholeNumbersInFullNotInExponentForm) {
    EXPECT_EQ(numberToText(3), "3");
    EXPECT_EQ(numberToText(0.5), "0.5");
    EXPECT_EQ(numberToText(-0.0), "0");
    // Letters left of a 100,000-character message, picture numbers past 16 bits.
    EXPECT_EQ(numberToText(-100000), "-100000");
    EXPECT_EQ(numberToText(40000), "40000");
    EXPECT_EQ(numberToText(100000), "100000");
    EXPECT_EQ(numberToText(2147483647), "2147483647");
    EXPECT_EQ(numberToText(-2147583647.0), "-2147583647");
    EXPECT_EQ(numberToText(999999999999999.0), "999999999999999");
    EXPECT_EQ(numberToText(1e15), "1e+15") << "beyond 15 digits the exponent form stays";
    EXPECT_EQ(numberToText(100000.5), "100000.5");
}
