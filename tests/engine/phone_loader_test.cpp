// Phone definitions: the grammar of the glyph section, then every odd file in
// tests/data/hardening: the refused ones name file, line and reason and leave the
// loaded phone as it was; the odd but valid ones load right. And where the program
// finds its default phone.

#include "default_phone.h"
#include "phone_loader.h"
#include "table_file.h"
#include "temp_dir.h"
#include "test_phone.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace smssim;

namespace {

const std::string kData = SMSSIM_TEST_DATA;

// Header of a valid phone; glyph fields follow.
std::string phone(const std::vector<std::string>& glyphFields,
                  const std::string& absaetze = "Abs\xE4tze: Ja",
                  const std::string& zeilensprung = "Zeilensprung: Ja") {
    std::string out = "Test\r\n20\r\n8\r\n.tst\r\n255\r\n10\r\n24\r\n4\r\n" + absaetze + "\r\n" +
                      zeilensprung + "\r\n";
    for (const auto& f : glyphFields)
        out += f + "\r\n";
    return out;
}

PhoneLists load(Module1& s, const std::string& data) {
    auto r = ZeichensatzLadenAusDaten(s, data, "test.bsd");
    if (!r)
        ADD_FAILURE() << r.error().reason;
    return r.value_or(PhoneLists{});
}

// The set pixels as "row column" pairs, row 0 and column 0 included: they are kept although
// never drawn.
std::string setPixels(const ZeichenTyp& g) {
    std::string out;
    for (int r = 0; r <= 10; ++r)
        for (int c = 0; c <= 10; ++c)
            if (g.punkt(r, c))
                out += (out.empty() ? "" : " ") + std::to_string(r) + " " + std::to_string(c);
    return out;
}

// A glyph section, and what it gives for one code: width, height, the set pixels as
// "row column" pairs and the two lists.
TEST(PhoneLoader, GlyphsAreReadAsWritten) {
    const std::tuple<std::vector<std::string>, int, int, int, const char*, const char*, const char*>
        rows[] = {
            {{"65", ":#_#", ":_#_", ":#_#"}, 65, 4, 3, "1 1 1 3 2 2 3 1 3 3", "A", ""},
            // Breite is the longest row field; other characters only take a position.
            {{"65", ":#", ":x_#", ":##"}, 65, 4, 3, "1 1 2 3 3 1 3 2", "A", ""},
            // "S" switches to the special list and counts as a row field of length 1.
            {{"65", ":#", "66", ":#", "S", "228", ":#"}, 66, 2, 1, "1 1", "AB", "\xE4"},
            {{":#", ":##", "65", ":#"}, 1, 3, 2, "1 1 2 1 2 2", "A", ""}, // before the first code
            // Pixels of both definitions stay; size comes from the last.
            {{"65", ":#__", ":#", "65", ":_#"}, 65, 3, 1, "1 2 2 1", "AA", ""},
            {{"65", "_#", ":#"}, 65, 2, 1, "0 1 1 1", "A", ""},              // row zero
            {{"66", "#:"}, 66, 2, 1, "0 0", "B", ""},                        // column zero
            {{"65", ":#", "", ":##", ""}, 65, 3, 2, "1 1 2 1 2 2", "A", ""}, // blank lines
            // A tab is no blank here: "\t66" is a row of three positions, no code.
            {{"65", ":#", "\t66", ":#"}, 65, 3, 2, "1 1 2 1", "A", ""},
            {{"65", "\":#_#\""}, 65, 4, 1, "1 1 1 3", "A", ""}}; // a correctly quoted row
    for (const auto& [fields, code, breite, hoehe, pixels, verfuegbar, sonder] : rows) {
        Module1 s;
        const PhoneLists lists = load(s, phone(fields));
        const ZeichenTyp& g = s.Zeichen[code];
        EXPECT_EQ(std::tuple(g.Breite, g.Hoehe, setPixels(g), lists.verfuegbar, lists.sonder),
                  std::tuple(breite, hoehe, pixels, verfuegbar, sonder))
            << fields.size() << " fields, code " << code;
    }
}

TEST(PhoneLoader, ReadsTheHeaderAndTheSwitchesNeedTheirExactText) {
    Module1 s;
    s.Absaetze = true;
    PhoneLists lists = load(s, phone({}));
    EXPECT_TRUE(static_cast<const PhoneData&>(s) ==
                (PhoneData{"Test", 20, 8, ".tst", 255, 10, 24, 4, true}));
    EXPECT_TRUE(lists.absaetzeErlaubt);
    EXPECT_TRUE(s.Absaetze) << "a phone with paragraphs leaves the mode as it was";

    lists = load(s, phone({}, "Abs\xE4tze: Nein", "zeilensprung: ja"));
    EXPECT_EQ(std::tuple(lists.absaetzeErlaubt, s.Absaetze, s.Zeilensprung),
              std::tuple(false, false, false));
    // Trailing spaces of an unquoted field do not count.
    lists = load(s, phone({}, "Abs\xE4tze: Ja  ", "Zeilensprung: Ja "));
    EXPECT_EQ(std::pair(lists.absaetzeErlaubt, s.Zeilensprung), std::pair(true, true));
    // The writer quotes what the loader would otherwise cut or split.
    for (const std::string name : {"", " Mini", "Mini ", "Mini, 2", "Mini"}) {
        test::TestPhone written;
        written.header.name = written.header.extension = name;
        const Module1 read = test::loadTestPhone(written);
        EXPECT_EQ(std::tie(read.Telefonname, read.Dateiendung), std::tie(name, name)) << name;
    }
}

TEST(PhoneLoader, ASecondPhoneEmptiesCodesItDoesNotDefineButCodeZero) {
    Module1 s;
    // Row 10 is emptied too.
    load(s, phone({"0", ":#", "65", ":#", ":", ":", ":", ":", ":", ":", ":", ":", ":________#"}));
    ASSERT_EQ(setPixels(s.Zeichen[65]), "1 1 10 9");
    s.Zeichen[65].punkt(1, 0) = s.Zeichen[65].punkt(0, 1) = 1; // never drawn, never emptied
    load(s, phone({"66", ":#"}));
    EXPECT_EQ(std::tuple(s.Zeichen[65].Breite, s.Zeichen[65].Hoehe, setPixels(s.Zeichen[65])),
              std::tuple(0, 0, "0 1 1 0"));
    EXPECT_EQ(s.Zeichen[0].Breite, 2) << "code 0 is never emptied";
}

// ---- Files ----

using test::sessionWithMiniPhone;

TEST(PhoneLoader, ARefusedFileNamesFileLineAndReasonAndKeepsThePhone) {
    for (const test::TableRow& row : test::readTable(kData + "/hardening/refused-phones.txt")) {
        Module1 s = sessionWithMiniPhone();
        const Module1 before = s;
        const std::string path = kData + "/hardening/" + row[0];
        const auto result = ZeichensatzLaden(s, path);
        const int line = row.number(1);
        EXPECT_EQ(result ? "loaded" : result.error().reason,
                  "Die Zeichensatzdatei „" + path + "“ kann nicht geladen werden.\n" +
                      (line > 0 ? "Zeile " + std::to_string(line) + ": " : "") + row[2] + ".");
        EXPECT_TRUE(s == before) << row[0] << ": a refused file changed the session";
    }
}

TEST(PhoneLoader, OddButValidFilesLoadRight) {
    for (const test::TableRow& row : test::readTable(kData + "/hardening/accepted-phones.txt")) {
        SCOPED_TRACE(row[0]);
        Module1 s = sessionWithMiniPhone();
        const auto result = ZeichensatzLaden(s, kData + "/hardening/" + row[0]);
        ASSERT_TRUE(result) << result.error().reason;
        std::string verfuegbar;
        for (std::istringstream codes(row[2]); codes;)
            if (int code = 0; codes >> code)
                verfuegbar += static_cast<char>(code);
        EXPECT_EQ(std::pair(result->verfuegbar, result->absaetzeErlaubt),
                  std::pair(verfuegbar, true));
        EXPECT_EQ(
            std::tie(s.Telefonname, s.Zeilenbreite, s.Dateiendung, s.Zeilenhoehe, s.Zeilensprung),
            std::make_tuple(row[1], 20.0, std::string(".hrt"), 4.0, true));
        const ZeichenTyp& g = s.Zeichen[row.number(3)];
        EXPECT_EQ(std::tie(g.Breite, g.Hoehe), std::make_tuple(row.number(4), row.number(5)));
    }
}

// The working directory first, then the data folders (the installed phones beside the
// program among them).
TEST(DefaultPhone, TheWorkingDirectoryComesFirstThenTheDataFolders) {
    namespace fs = std::filesystem;
    const fs::path old = fs::current_path();
    const test::TempDir temp;
    const std::string data = temp / "data";
    fs::create_directories(data);
    fs::current_path(temp.path());
    EXPECT_EQ(findDefaultPhone(data), kDefaultPhoneFile) << "named even when missing";
    EXPECT_EQ(defaultPhoneCandidates(data).back(), data + "/" + kDefaultPhoneFile);
    std::ofstream(data + "/" + kDefaultPhoneFile) << "x";
    EXPECT_EQ(findDefaultPhone(data), data + "/" + kDefaultPhoneFile);
    std::ofstream(kDefaultPhoneFile) << "x";
    EXPECT_EQ(findDefaultPhone(data), kDefaultPhoneFile);
    fs::current_path(old);
}

} // namespace
