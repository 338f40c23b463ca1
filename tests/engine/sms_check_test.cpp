// SMS cost at the part edges; the glyph findings show in the status bar rows. Texts are
// Windows-1252: "\x80" is the euro sign (extension table), "\xE2" is â (in neither table).

#include "sms_check.h"
#include "test_phone.h"

#include <gtest/gtest.h>

using namespace smssim;

namespace {

std::string times(std::size_t n, std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i)
        out += s;
    return out;
}

constexpr auto G = SmsEncoding::Gsm7;
constexpr auto U = SmsEncoding::Ucs2;

TEST(SmsCheck, CostAtThePartEdges) {
    const std::pair<std::string, SmsCost> rows[] = {
        {"", {G, 0, 0, 160, ""}},
        {times(153, "a"), {G, 153, 1, 7, ""}},
        {times(154, "a"), {G, 154, 1, 6, ""}},
        {times(160, "a"), {G, 160, 1, 0, ""}},
        {times(161, "a"), {G, 161, 2, 145, ""}},
        {times(306, "a"), {G, 306, 2, 0, ""}},
        {times(307, "a"), {G, 307, 3, 152, ""}},
        {times(158, "a") + "\x80", {G, 160, 1, 0, ""}},
        // The euro sign ends part 1 exactly, or would straddle it and moves whole.
        {times(151, "a") + "\x80" + times(10, "a"), {G, 163, 2, 143, ""}},
        {times(152, "a") + "\x80" + times(10, "a"), {G, 164, 2, 141, ""}},
        {"a\r\nb", {G, 4, 1, 156, ""}},
        {"\f^{}\\[~]|\x80", {G, 20, 1, 140, ""}},
        {times(81, "\x80"), {G, 162, 2, 143, ""}},
        {"\xE2" + times(69, "a"), {U, 70, 1, 0, "\xE2"}},
        {"\xE2" + times(70, "a"), {U, 71, 2, 63, "\xE2"}},
        {"\xE2" + times(133, "a"), {U, 134, 2, 0, "\xE2"}},
        {"\xE2" + times(134, "a"), {U, 135, 3, 66, "\xE2"}},
        {times(201, "\x80\xE2`\xE7\xC7`"), {U, 1206, 18, 0, "\xE2`\xE7"}}};
    for (const auto& [text, cost] : rows)
        EXPECT_EQ(smsCost(text), cost) << text.size() << " characters: " << text.substr(0, 12);
    int septets[3] = {};
    for (int code = 0; code < 256; ++code)
        ++septets[gsm7Septets(static_cast<std::uint8_t>(code))];
    EXPECT_EQ(septets[1], 117) << "128 less the escape and ten Greek capitals";
    EXPECT_EQ(septets[2], 10);
}

} // namespace
