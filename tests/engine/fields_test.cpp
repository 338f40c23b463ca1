#include "fields.h"

#include <gtest/gtest.h>
#include <vector>

using namespace smssim;

namespace {

struct FieldCase {
    const char* name;
    std::string input;
    std::vector<std::string> fields;
};

std::vector<std::string> readAll(std::string_view data) {
    std::vector<std::string> out;
    FieldReader reader(data);
    while (!reader.atEnd())
        out.push_back(reader.next().text);
    return out;
}

class FieldReading : public ::testing::TestWithParam<FieldCase> {};

} // namespace

TEST_P(FieldReading, SplitsAsExpected) {
    EXPECT_EQ(readAll(GetParam().input), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldReading,
    ::testing::Values(
        FieldCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, FieldCase{"Lf", "a\nb\n", {"a", "b"}},
        FieldCase{"LoneCr", "a\rb\r", {"a", "b"}},
        FieldCase{"NoFinalLineEnd", "a\r\nb", {"a", "b"}},
        FieldCase{"Commas", "111,108, 72\r\n", {"111", "108", "72"}},
        FieldCase{"LeadingSpacesSkipped", "   S\r\n", {"S"}},
        FieldCase{"TrailingSpacesDropped", "S  \r\nAbs x  \r\n", {"S", "Abs x"}},
        FieldCase{"BlankLineIsEmptyField", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        FieldCase{"QuotedKeepsCommasAndSpaces", "\" a, b \"\r\nc\r\n", {" a, b ", "c"}},
        FieldCase{"TextAfterClosingQuoteDropped", "\"a\"xyz,b\r\n", {"a", "b"}},
        FieldCase{"QuotedSpansLines", "\"a\r\nb\"\r\nc\r\n", {"a\r\nb", "c"}},
        FieldCase{"CommaBeforeLineEnd", "a,\r\nb\r\n", {"a", "", "b"}}, FieldCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldReader, NumbersLinesAndMarksUnclosedQuotes) {
    FieldReader reader("a\r\n\"b\r\nc\",d\r\n\"open");
    EXPECT_EQ(reader.next().line, 1);
    const Field quoted = reader.next();
    EXPECT_EQ(quoted.line, 2);
    EXPECT_TRUE(quoted.quoted);
    EXPECT_TRUE(quoted.closed);
    const Field d = reader.next();
    EXPECT_EQ(d.text, "d");
    EXPECT_EQ(d.line, 3);
    const Field open = reader.next();
    EXPECT_EQ(open.line, 4);
    EXPECT_FALSE(open.closed);
    EXPECT_TRUE(reader.atEnd());
}
