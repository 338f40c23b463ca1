#include "phone_loader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace smssim;

namespace {

const std::string kData = SMSSIM_TEST_DATA;

// Header of a valid phone; glyph fields are appended by each test.
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
    if (auto* e = std::get_if<PhoneError>(&r))
        ADD_FAILURE() << e->text();
    return std::holds_alternative<PhoneLists>(r) ? std::get<PhoneLists>(r) : PhoneLists{};
}

std::vector<std::pair<int, int>> setPixels(const ZeichenTyp& g) {
    std::vector<std::pair<int, int>> out;
    for (int r = 0; r <= 10; ++r)
        for (int c = 0; c <= 10; ++c)
            if (g.punkt(r, c))
                out.emplace_back(r, c);
    return out;
}

} // namespace

TEST(PhoneLoader, ReadsTheHeader) {
    Module1 s;
    s.Absaetze = true;
    const auto lists = load(s, phone({}));
    EXPECT_EQ(s.Telefonname, "Test");
    EXPECT_EQ(s.Zeilenbreite, 20);
    EXPECT_EQ(s.Bildhoehe, 8);
    EXPECT_EQ(s.Dateiendung, ".tst");
    EXPECT_EQ(s.Hintergrundfarbe, 255);
    EXPECT_EQ(s.Displayhoehe, 10);
    EXPECT_EQ(s.Displaybreite, 24);
    EXPECT_EQ(s.Zeilenhoehe, 4);
    EXPECT_TRUE(lists.absaetzeErlaubt);
    EXPECT_TRUE(s.Absaetze) << "a phone with paragraphs leaves the mode as it was";
    EXPECT_TRUE(s.Zeilensprung);
}

TEST(PhoneLoader, SwitchesNeedTheirExactText) {
    Module1 s;
    s.Absaetze = true;
    auto lists = load(s, phone({}, "Abs\xE4tze: Nein", "zeilensprung: ja"));
    EXPECT_FALSE(lists.absaetzeErlaubt);
    EXPECT_FALSE(s.Absaetze);
    EXPECT_FALSE(s.Zeilensprung);
    // Trailing spaces of an unquoted field do not count.
    lists = load(s, phone({}, "Abs\xE4tze: Ja  ", "Zeilensprung: Ja "));
    EXPECT_TRUE(lists.absaetzeErlaubt);
    EXPECT_TRUE(s.Zeilensprung);
}

TEST(PhoneLoader, ReadsAGlyphRowByRow) {
    Module1 s;
    load(s, phone({"65", ":#_#", ":_#_", ":#_#"}));
    const ZeichenTyp& a = s.Zeichen[65];
    EXPECT_EQ(a.Hoehe, 3);
    EXPECT_EQ(a.Breite, 4);
    EXPECT_EQ(setPixels(a),
              (std::vector<std::pair<int, int>>{{1, 1}, {1, 3}, {2, 2}, {3, 1}, {3, 3}}));
}

TEST(PhoneLoader, WidthIsTheLongestRowAndOtherCharactersTakeAPosition) {
    Module1 s;
    load(s, phone({"65", ":#", ":x_#", ":##"}));
    EXPECT_EQ(s.Zeichen[65].Breite, 4);
    EXPECT_EQ(setPixels(s.Zeichen[65]),
              (std::vector<std::pair<int, int>>{{1, 1}, {2, 3}, {3, 1}, {3, 2}}));
}

TEST(PhoneLoader, FillsTheCharacterListsAroundTheMarker) {
    Module1 s;
    const auto lists = load(s, phone({"65", ":#", "66", ":#", "S", "228", ":#"}));
    EXPECT_EQ(lists.verfuegbar, "AB");
    EXPECT_EQ(lists.sonder, "\xE4");
    // The marker counts as a row field of length 1 for the glyph in progress.
    EXPECT_EQ(s.Zeichen[66].Breite, 2);
}

TEST(PhoneLoader, RowsBeforeTheFirstCodeBelongToCodeOne) {
    Module1 s;
    load(s, phone({":#", ":##", "65", ":#"}));
    EXPECT_EQ(s.Zeichen[1].Hoehe, 2);
    EXPECT_EQ(s.Zeichen[1].Breite, 3);
    EXPECT_EQ(setPixels(s.Zeichen[1]), (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {2, 2}}));
}

TEST(PhoneLoader, ACodeDefinedTwiceKeepsPixelsOfBothAndTheLastCounts) {
    Module1 s;
    const auto lists = load(s, phone({"65", ":#__", ":#", "65", ":_#"}));
    EXPECT_EQ(lists.verfuegbar, "AA");
    EXPECT_EQ(s.Zeichen[65].Hoehe, 1);
    EXPECT_EQ(s.Zeichen[65].Breite, 3);
    EXPECT_EQ(setPixels(s.Zeichen[65]), (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}}));
}

TEST(PhoneLoader, PixelsOfRowZeroAndColumnZeroAreKeptButOutsideTheGlyph) {
    Module1 s;
    load(s, phone({"65", "_#", ":#"}));
    EXPECT_EQ(s.Zeichen[65].punkt(0, 1), -1);
    EXPECT_EQ(s.Zeichen[65].Hoehe, 1);
    load(s, phone({"66", "#:"}));
    EXPECT_EQ(s.Zeichen[66].punkt(0, 0), -1);
}

TEST(PhoneLoader, ASecondPhoneEmptiesCodesItDoesNotDefineButCodeZero) {
    Module1 s;
    load(s, phone({"0", ":#", "65", ":#"}));
    ASSERT_EQ(s.Zeichen[65].Breite, 2);
    load(s, phone({"66", ":#"}));
    EXPECT_EQ(s.Zeichen[65].Breite, 0);
    EXPECT_EQ(s.Zeichen[65].Hoehe, 0);
    EXPECT_TRUE(setPixels(s.Zeichen[65]).empty());
    EXPECT_EQ(s.Zeichen[0].Breite, 2) << "code 0 is never emptied";
}

TEST(PhoneLoader, BlankLinesInTheGlyphSectionChangeNothing) {
    Module1 s;
    load(s, phone({"65", ":#", "", ":##", ""}));
    EXPECT_EQ(s.Zeichen[65].Hoehe, 2);
    EXPECT_EQ(s.Zeichen[65].Breite, 3);
}

TEST(PhoneLoader, AcceptsLfAndCrLineEnds) {
    for (const char* end : {"\n", "\r"}) {
        std::string data = phone({"65", ":#_#"});
        std::string converted;
        for (std::size_t i = 0; i < data.size(); ++i)
            if (data.compare(i, 2, "\r\n") == 0)
                converted += end, ++i;
            else
                converted += data[i];
        Module1 s;
        load(s, converted);
        EXPECT_EQ(s.Zeichen[65].Breite, 4);
        EXPECT_TRUE(s.Zeilensprung);
    }
}

namespace {

struct Refused {
    const char* file;
    int line;
    const char* reason;
};

class RefusedPhone : public ::testing::TestWithParam<Refused> {};

} // namespace

TEST_P(RefusedPhone, GivesTheReasonAndKeepsThePhoneLoaded) {
    Module1 s;
    ASSERT_TRUE(
        std::holds_alternative<PhoneLists>(ZeichensatzLaden(s, kData + "/phones/mini.bsd")));
    s.Absaetze = true;
    const Module1 before = s;
    const std::string path = kData + "/phones-bad/" + GetParam().file;
    const auto result = ZeichensatzLaden(s, path);
    ASSERT_TRUE(std::holds_alternative<PhoneError>(result));
    const PhoneError& e = std::get<PhoneError>(result);
    EXPECT_EQ(e.datei, path);
    EXPECT_EQ(e.zeile, GetParam().line);
    EXPECT_EQ(e.grund, GetParam().reason);
    EXPECT_NE(e.text().find(path), std::string::npos);
    EXPECT_EQ(s.Telefonname, before.Telefonname);
    EXPECT_EQ(s.Zeilenbreite, before.Zeilenbreite);
    EXPECT_EQ(s.Absaetze, before.Absaetze);
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(s.Zeichen[code].Punkte, before.Zeichen[code].Punkte) << code;
        EXPECT_EQ(s.Zeichen[code].Breite, before.Zeichen[code].Breite) << code;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedPhone,
    ::testing::Values(
        Refused{"missing.bsd", 0, "Die Datei wurde nicht gefunden"},
        Refused{"ordner.bsd", 0, "Das ist ein Ordner, keine Datei"},
        Refused{"empty.bsd", 1, "Die Datei endet vor dem Feld Telefonname (Feld 1 von 10)"},
        Refused{"truncated-header.bsd", 5,
                "Die Datei endet vor dem Feld Displayhöhe (Feld 6 von 10)"},
        Refused{"width-word.bsd", 2, "Zeilenbreite: „breit“ ist keine Zahl"},
        Refused{"picture-height-zero.bsd", 3, "Bildhöhe muss größer als 0 sein"},
        Refused{"colour-too-big.bsd", 5,
                "Hintergrundfarbe: „4294967296“ liegt außerhalb des 32-Bit-Bereichs"},
        Refused{"colour-word.bsd", 5, "Hintergrundfarbe: „grün“ ist keine Zahl"},
        Refused{"display-height-zero.bsd", 6,
                "Displayhöhe muss größer als 0 und höchstens 1000 sein"},
        Refused{"display-width-negative.bsd", 7,
                "Displaybreite muss größer als 0 und höchstens 1000 sein"},
        Refused{"display-too-wide.bsd", 7,
                "Displaybreite muss größer als 0 und höchstens 1000 sein"},
        Refused{"line-pitch-empty.bsd", 8, "Zeilenhöhe: „“ ist keine Zahl"},
        Refused{"code-256.bsd", 15, "Zeichencode „256“ ist keine ganze Zahl von 0 bis 255"},
        Refused{"code-fraction.bsd", 15, "Zeichencode „65.5“ ist keine ganze Zahl von 0 bis 255"},
        Refused{"code-word.bsd", 15, "Zeichencode „6x“ ist keine Zahl"},
        Refused{"row-too-long.bsd", 12,
                "Die Pixelzeile „:#########_“ hat 11 Zeichen, höchstens 10 sind erlaubt"},
        Refused{"pixel-in-row-11.bsd", 22,
                "Pixel in Zeile 11 des Zeichens 65, höchstens 10 Zeilen sind erlaubt"},
        Refused{"eleven-rows.bsd", 23, "Das Zeichen 65 hat 11 Zeilen, höchstens 10 sind erlaubt"},
        Refused{"rows-at-end.bsd", 22, "Das Zeichen 65 hat 11 Zeilen, höchstens 10 sind erlaubt"},
        Refused{"unclosed-quote.bsd", 15, "Das Anführungszeichen wird nicht geschlossen"}),
    [](const auto& info) {
        std::string name = info.param.file;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });
