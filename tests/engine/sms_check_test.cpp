// SMS cost at the part edges; the glyph findings show in the status bar rows. Texts are
// Windows-1252: "\x80" is the euro sign (extension table), "\xE2" is â (in neither table).

#include "cp1252.h"
#include "sms_check.h"
#include "table_file.h"
#include "test_phone.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

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
        {"a\r\nb", {G, 3, 1, 157, "", 1}},
        // CR LF costs one LF, a lone CR or LF itself.
        {"\r\r\n\n\r\n", {G, 4, 1, 156, "", 2}},
        {"\xE2\r\n" + times(68, "a"), {U, 70, 1, 0, "\xE2", 1}},
        {"\f^{}\\[~]|\x80", {G, 20, 1, 140, ""}},
        {times(81, "\x80"), {G, 162, 2, 143, ""}},
        {"\xE2" + times(69, "a"), {U, 70, 1, 0, "\xE2"}},
        {"\xE2" + times(70, "a"), {U, 71, 2, 63, "\xE2"}},
        {"\xE2" + times(133, "a"), {U, 134, 2, 0, "\xE2"}},
        {"\xE2" + times(134, "a"), {U, 135, 3, 66, "\xE2"}},
        {times(201, "\x80\xE2`\xE7\xC7`"), {U, 1206, 18, 0, "\xE2`\xE7"}}};
    for (const auto& [text, cost] : rows)
        EXPECT_EQ(smsCost(text), cost) << text.size() << " characters: " << text.substr(0, 12);
    // The length table of Android's own SMS body tests: parts and units left, GSM 7-bit
    // then UCS-2, with no national table and with all three (no shift character needed).
    const int lengths[] = {1, 2, 80, 159, 160, 161, 240, 305, 306, 307, 320};
    const int units[] = {1, 2, 35, 69, 70, 71, 100, 133, 134, 135, 160};
    const int parts[] = {1, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3};
    const int septetsLeft[] = {159, 158, 80, 1, 0, 145, 66, 1, 0, 152, 139};
    const int unitsLeft[] = {69, 68, 35, 1, 0, 63, 34, 1, 0, 66, 41};
    const std::string ascii = "@$_ !\"#%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                              "abcdefghijklmnopqrstuvwxyz\n\r";
    for (const NationalLanguages languages :
         {NationalLanguages{}, {kTurkish, kSpanish, kPortuguese}})
        for (std::size_t i = 0; i < std::size(parts); ++i) {
            std::string gsm;
            while (gsm.size() < static_cast<std::size_t>(lengths[i]))
                gsm += ascii.substr(0, lengths[i] - gsm.size());
            const SmsCost a = smsCost(gsm, languages),
                          u = smsCost(times(units[i], "\xA9"), languages);
            EXPECT_EQ(std::tuple(a.encoding, a.parts, a.unitsLeft),
                      std::tuple(G, parts[i], septetsLeft[i]))
                << lengths[i] << " septets";
            EXPECT_EQ(std::tuple(u.encoding, u.parts, u.unitsLeft),
                      std::tuple(U, parts[i], unitsLeft[i]))
                << units[i] << " units";
        }
    int septets[3] = {};
    for (int code = 0; code < 256; ++code)
        ++septets[gsm7Septets(static_cast<std::uint8_t>(code))];
    EXPECT_EQ(septets[1], 117) << "128 less the escape and ten Greek capitals";
    EXPECT_EQ(septets[2], 10);
}

constexpr int tr = kTurkish, es = kSpanish, pt = kPortuguese;

// As Android's GsmAlphabet.countGsmSeptets counts, with the header elements of the shift
// tables: á is in the Spanish and Portuguese tables only, € in Turkish locking (1 septet),
// ª in Portuguese locking only, ß in no Portuguese table, þ in none.
TEST(SmsCheck, CostWithNationalTables) {
    const std::tuple<std::string, NationalLanguages, SmsCost> rows[] = {
        {"\xE1" + times(153, "a"), {es}, {G, 155, 1, 0, "", 0, 0, es}},
        {"\xE1" + times(154, "a"), {es, tr}, {G, 156, 2, 142, "", 0, 0, es}},
        {"\xE1" + times(296, "a"), {es}, {G, 298, 2, 0, "", 0, 0, es}},
        {"\xE1" + times(297, "a"), {es}, {G, 299, 3, 148, "", 0, 0, es}},
        {times(155, "\x80"), {tr}, {G, 155, 1, 0, "", 0, tr, 0}},
        {times(156, "\x80"), {tr}, {G, 156, 2, 142, "", 0, tr, 0}},
        {"\xE1" + times(150, "\x80"), {es, tr}, {G, 152, 1, 0, "", 0, tr, es}},
        {"\xE1" + times(151, "\x80"), {tr, es}, {G, 153, 2, 139, "", 0, tr, es}},
        {"\xE1" + times(290, "\x80"), {es, tr}, {G, 292, 2, 0, "", 0, tr, es}},
        {"\xE1" + times(291, "\x80"), {es, tr}, {G, 293, 3, 145, "", 0, tr, es}},
        // The escape pair ends part 1, or would straddle it and moves whole.
        {times(147, "a") + "\xE1" + times(10, "a"), {es}, {G, 159, 2, 139, "", 0, 0, es}},
        {times(148, "a") + "\xE1" + times(10, "a"), {es}, {G, 160, 2, 137, "", 0, 0, es}},
        {times(291, "\x80") + "\xE1", {es, tr}, {G, 293, 3, 144, "", 0, tr, es}},
        {"N\xBA 5\r\n", {pt}, {G, 5, 1, 150, "", 1, pt, 0}},
        {"N\xBA 5", {tr, es}, {U, 4, 1, 66, "\xBA"}},
        {"S\xE3o Paulo", {pt, es}, {G, 9, 1, 146, "", 0, pt, 0}},
        {"\xC7ok g\xFCzel \xE7orba", {tr}, {G, 15, 1, 140, "", 0, tr, 0}},
        // Turkish locking and Portuguese locking tie on ç; the first wins.
        {"\xE7", {pt, tr}, {G, 1, 1, 154, "", 0, tr, 0}},
        {"\xE7" + times(159, "a"), {es}, {G, 161, 2, 137, "", 0, 0, es}},
        {"\xE7\x80" + times(158, "a"), {}, {U, 160, 3, 41, "\xE7"}},
        {"Hallo {x}", {es, pt}, {G, 11, 1, 149, ""}},
        {"", {tr, es, pt}, {G, 0, 0, 160, ""}},
        // Each is in some table, no pair holds both: those the default tables lack.
        {"\xAA\xDF", {pt}, {U, 2, 1, 68, "\xAA"}},
        {"\xFE\xAA\xDF", {pt}, {U, 3, 1, 67, "\xFE"}}};
    for (const auto& [text, languages, cost] : rows)
        EXPECT_EQ(smsCost(text, languages), cost) << text.size() << " characters: " << text;
}

TEST(SmsCheck, NationalTablesAreThoseOfTheTableFile) {
    std::map<std::string, long> listed;
    const auto tables = nationalTables();
    for (const auto& row : test::readTable(SMSSIM_TEST_DATA "/sms/national-tables.tsv")) {
        const auto table = std::find_if(tables.begin(), tables.end(),
                                        [&](const NationalTable& t) { return t.name == row[0]; });
        if (row[0] == "table" || table == tables.end()) {
            EXPECT_EQ(row[0], "table") << "the header, or a table the engine lacks";
            continue;
        }
        EXPECT_EQ(table->septets.at(std::stoul(row[1], nullptr, 16)),
                  std::stoul(row[2].substr(2), nullptr, 16))
            << row[0] << " " << row[1];
        ++listed[row[0]];
    }
    for (const NationalTable& table : tables)
        EXPECT_EQ(listed[std::string(table.name)],
                  std::count_if(table.septets.begin(), table.septets.end(),
                                [](char16_t c) { return c != 0; }))
            << table.name;
    // The character classes of Android's own SMS body tests (what Windows-1252 holds of
    // them) and the tables each is in: locking default, tr, pt; single default, tr, es, pt.
    const std::pair<const char*, const char*> classes[] = {
        {"{}[]\f", "0001111"},
        {"^\\|~", "0011111"},
        {"\xA3\xA5\xE9\xC7\xC9\xDC\xA7\xFC\xE0", "1110000"},
        {"\xF9\xF2\xC5\xE5\xDF\xA4\xC4\xD6\xD1\xE4\xF6\xF1", "1100000"},
        {"\xE8\xEC\xD8\xF8\xC6\xE6\xA1\xBF", "1000000"},
        {"\x80", "0111111"},
        {"\xA2\xA9\xAE\x99", "0000000"},
        {"\xEA\xD4\xF4\xC0\xC2\xE2\xCA\xC3\xD5\xE3\xF5", "0010001"},
        {"\xAA\xBA`", "0010000"},
        {"\xC1\xE1\xCD\xED\xD3\xF3\xDA\xFA", "0010011"},
        {"\xE7", "0110111"},
        {"@$_ !\"#%&'()*+,-./09:;<=>?AZaz\n\r", "1110000"}};
    const auto in = [&](std::string_view name, char32_t c) {
        const auto t = std::find_if(tables.begin(), tables.end(),
                                    [&](const NationalTable& n) { return n.name == name; });
        return std::find(t->septets.begin(), t->septets.end(), c) != t->septets.end();
    };
    for (const auto& [characters, presence] : classes)
        for (const char code : std::string_view(characters)) {
            const char32_t c = cp1252ToUnicode(static_cast<std::uint8_t>(code));
            const int septets = gsm7Septets(static_cast<std::uint8_t>(code));
            const std::string found{"01"[septets == 1],        "01"[in("tr-locking", c)],
                                    "01"[in("pt-locking", c)], "01"[septets == 2],
                                    "01"[in("tr-single", c)],  "01"[in("es-single", c)],
                                    "01"[in("pt-single", c)]};
            EXPECT_EQ(found, presence) << "code " << int(static_cast<std::uint8_t>(code));
        }
}

// Each row of the look-alike table; everything else stays, tabs and controls included.
TEST(SmsCheck, SmartReplacement) {
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"\x84\x93\x94\xAB\xBB", "\"\"\"\"\"", "\x84\x93\x94\xAB\xBB"},
        {"\x82\x91\x92\xB4\x60", "'''''", "\x82\x91\x92\xB4\x60"},
        {"\x96\x97\x95", "---", "\x96\x97\x95"},
        {"a\x85", "a...", "\x85"},
        {"\x8B\x9B\x88\x98", "<>^~", "\x8B\x9B\x88\x98"},
        {"\xBC\xBD\xBE\xF7\xA0", "1/41/23/4/ ", "\xBC\xBD\xBE\xF7\xA0"},
        {"\x93Z\x85\x93\x85", "\"Z...\"...", "\x93\x85"},
        {"\xE9\t\x01\xE2\x80", "\xE9\t\x01\xE2\x80", ""}};
    for (const auto& [text, replaced, characters] : rows) {
        const SmartReplacement smart = smartReplacement(text, {pt});
        EXPECT_EQ(smart, (SmartReplacement{replaced, characters, smsCost(replaced, {pt})})) << text;
    }
    EXPECT_EQ(smartReplacement("\x93" + times(150, "\xE3") + "\x85", {pt}).cost,
              (SmsCost{G, 154, 1, 1, "", 0, pt, 0}));
}

} // namespace
