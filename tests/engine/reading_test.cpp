// What every file reader shares: Windows-1252 text, fields and numbers.

#include "cp1252.h"
#include "fields.h"
#include "numbers.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace smssim;

TEST(Cp1252, EveryByteRoundTripsThroughUtf8AndMapsTheC1Range) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    // The Windows characters of the C1 range.
    for (const auto& [code, unicode] : {std::pair<int, char32_t>{0x80, U'€'},
                                        {0x84, U'„'},
                                        {0x93, U'“'},
                                        {0x96, U'–'},
                                        {0xE4, U'ä'},
                                        {0xDF, U'ß'}}) {
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

TEST(FieldReader, SplitsAtCommasAndLineEndsAndKeepsQuotedTextWhole) {
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"111,108, 72\r\n", {"111", "108", "72"}},
        {"   S\r\n", {"S"}},
        {"S  \r\nAbs x  \r\n", {"S", "Abs x"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\" a, b \"\r\nc\r\n", {" a, b ", "c"}},
        {"\"a\"xyz,b\r\n", {"a", "b"}}, // text after the closing quote is dropped
        {"\"a\r\nb\"\r\nc\r\n", {"a\r\nb", "c"}},
        {"a,\r\nb\r\n", {"a", "", "b"}},
        {"", {}}};
    for (const auto& [input, fields] : rows) {
        std::vector<std::string> got;
        for (FieldReader reader(input); !reader.atEnd();)
            got.push_back(reader.next().text);
        EXPECT_EQ(got, fields) << input;
    }
    // Each field knows its line and whether its quote was closed.
    FieldReader reader("a\r\n\"b\r\nc\",d\r\n\"open");
    std::vector<std::tuple<std::string, int, bool, bool>> got;
    while (!reader.atEnd()) {
        const Field f = reader.next();
        got.emplace_back(f.text, f.line, f.quoted, f.closed);
    }
    const std::vector<std::tuple<std::string, int, bool, bool>> fields{{"a", 1, false, true},
                                                                       {"b\r\nc", 2, true, true},
                                                                       {"d", 3, false, true},
                                                                       {"open", 4, true, false}};
    EXPECT_EQ(got, fields);
}

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
