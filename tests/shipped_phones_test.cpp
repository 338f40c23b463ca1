// The phone definitions installed with the program: each must load, draw every
// character a user can type and fit its lines on its display.

#include "phone_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace {

namespace fs = std::filesystem;
using smssim::Module1;
using smssim::PhoneLists;
using smssim::ZeichenTyp;

constexpr int kSpace = 32;
constexpr int kNoBreakSpace = 160;

std::vector<fs::path> shippedPhones() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(SMSSIM_PHONES_DIR))
        if (entry.is_regular_file() && entry.path().extension() == ".bsd")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Every code a Windows-1252 keyboard can produce; the five unassigned bytes are none.
std::vector<int> printableCodes() {
    std::vector<int> codes;
    for (int c = 32; c <= 255; ++c)
        if (c != 127 && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
            codes.push_back(c);
    return codes;
}

int setPixels(const ZeichenTyp& glyph) {
    int count = 0;
    for (int r = 1; r <= glyph.Hoehe; ++r)
        for (int c = 1; c <= glyph.Breite; ++c)
            count += glyph.punkt(r, c) != 0;
    return count;
}

bool sameBitmap(const ZeichenTyp& a, const ZeichenTyp& b) {
    if (a.Breite != b.Breite || a.Hoehe != b.Hoehe)
        return false;
    for (int r = 1; r <= a.Hoehe; ++r)
        for (int c = 1; c <= a.Breite; ++c)
            if ((a.punkt(r, c) != 0) != (b.punkt(r, c) != 0))
                return false;
    return true;
}

int firstSetRow(const ZeichenTyp& glyph) {
    for (int r = 1; r <= glyph.Hoehe; ++r)
        for (int c = 1; c <= glyph.Breite; ++c)
            if (glyph.punkt(r, c) != 0)
                return r;
    return 0;
}

int lastSetRow(const ZeichenTyp& glyph) {
    for (int r = glyph.Hoehe; r >= 1; --r)
        for (int c = 1; c <= glyph.Breite; ++c)
            if (glyph.punkt(r, c) != 0)
                return r;
    return 0;
}

struct Loaded {
    fs::path path;
    Module1 state;
    PhoneLists lists;
};

// Module1 holds the whole glyph table; kept on the heap, loaded once for all tests.
const std::vector<std::unique_ptr<Loaded>>& loadedPhones() {
    static const auto phones = [] {
        std::vector<std::unique_ptr<Loaded>> out;
        for (const auto& path : shippedPhones()) {
            auto phone = std::make_unique<Loaded>();
            phone->path = path;
            auto result = smssim::ZeichensatzLaden(phone->state, path.string());
            if (const auto* error = std::get_if<smssim::PhoneError>(&result)) {
                ADD_FAILURE() << path << ": " << error->text();
                continue;
            }
            phone->lists = std::get<PhoneLists>(std::move(result));
            out.push_back(std::move(phone));
        }
        return out;
    }();
    return phones;
}

const Loaded* phoneNamed(const std::string& stem) {
    for (const auto& phone : loadedPhones())
        if (phone->path.stem() == stem)
            return phone.get();
    return nullptr;
}

TEST(ShippedPhones, AllLoad) {
    const auto files = shippedPhones();
    ASSERT_GE(files.size(), 3u);
    EXPECT_EQ(loadedPhones().size(), files.size());
}

TEST(ShippedPhones, FilesAreWindows1252WithCrLf) {
    for (const auto& path : shippedPhones()) {
        SCOPED_TRACE(path.string());
        std::ifstream in(path, std::ios::binary);
        const std::string data{std::istreambuf_iterator<char>(in), {}};
        ASSERT_FALSE(data.empty());
        // The paragraph field is the one header line with a letter outside ASCII.
        EXPECT_NE(data.find("\r\nAbs\xE4tze: "), std::string::npos);
        EXPECT_EQ(data.find("\xC3\xA4"), std::string::npos) << "UTF-8 \"ä\"";
        EXPECT_EQ(data.substr(data.size() - 2), "\r\n");
        EXPECT_EQ(data.find("\r\n\r\n"), std::string::npos) << "blank line";
        for (std::size_t i = 0; i < data.size(); ++i) {
            if (data[i] == '\n') {
                ASSERT_TRUE(i > 0 && data[i - 1] == '\r') << "bare LF at byte " << i;
            }
            if (data[i] == '\r') {
                ASSERT_TRUE(i + 1 < data.size() && data[i + 1] == '\n')
                    << "bare CR at byte " << i;
            }
        }
    }
}

TEST(ShippedPhones, EveryPrintableCharacterHasAGlyph) {
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        for (int code : printableCodes()) {
            const ZeichenTyp& glyph = phone->state.Zeichen[code];
            EXPECT_GT(glyph.Breite, 0) << "code " << code;
            EXPECT_GT(glyph.Hoehe, 0) << "code " << code;
            if (code == kSpace || code == kNoBreakSpace)
                EXPECT_EQ(setPixels(glyph), 0) << "code " << code;
            else
                EXPECT_GT(setPixels(glyph), 0) << "code " << code;
        }
    }
}

TEST(ShippedPhones, LineEndsTakeNoRoom) {
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        EXPECT_EQ(phone->state.Zeichen[10].Breite, 0);
        EXPECT_EQ(phone->state.Zeichen[13].Breite, 0);
    }
}

TEST(ShippedPhones, SpaceIsNarrowerThanALetter) {
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        const auto& z = phone->state.Zeichen;
        EXPECT_GE(z[kSpace].Breite, 3);
        EXPECT_LT(z[kSpace].Breite, z['n'].Breite);
        EXPECT_EQ(z[kNoBreakSpace].Breite, z[kSpace].Breite);
    }
}

TEST(ShippedPhones, EveryPrintableCodeIsListedOnce) {
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        std::map<int, int> seen;
        for (char c : phone->lists.verfuegbar + phone->lists.sonder)
            ++seen[static_cast<unsigned char>(c)];
        for (int code : printableCodes())
            EXPECT_EQ(seen[code], 1) << "code " << code;
    }
}

TEST(ShippedPhones, GsmCharactersAreSendableOthersSpecial) {
    // A sample from both sides of the GSM default alphabet.
    const std::string sendable = "@$_ Az09?\xA3\xA5\xE8\xE9\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xA7\xBF\xE0";
    const std::string special = "[]{}\\^~|`\x80\xE1\xED\xF3\xFA\xC0\xB0\xB5\x84\x93\xAD";
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        for (char c : sendable)
            EXPECT_NE(phone->lists.verfuegbar.find(c), std::string::npos)
                << "code " << int(static_cast<unsigned char>(c));
        for (char c : special)
            EXPECT_NE(phone->lists.sonder.find(c), std::string::npos)
                << "code " << int(static_cast<unsigned char>(c));
    }
}

TEST(ShippedPhones, GlyphsShareOneBaseline) {
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        const auto& z = phone->state.Zeichen;
        const int height = z['A'].Hoehe;
        for (int code : printableCodes())
            EXPECT_EQ(z[code].Hoehe, height) << "code " << code;
        // Letters without descender end on the row where capitals end; those with
        // one go below it.
        const int baseline = lastSetRow(z['A']);
        for (unsigned char c : std::string("HQaemxz0\xC4\xE4\xDF"))
            EXPECT_EQ(lastSetRow(z[c]), baseline) << c;
        for (unsigned char c : std::string("gjpqy\xE7"))
            EXPECT_GT(lastSetRow(z[c]), baseline) << c;
        // Lowercase letters start lower than capitals.
        EXPECT_GT(firstSetRow(z['x']), firstSetRow(z['X']));
    }
}

TEST(ShippedPhones, AccentedLettersDifferFromTheirBase) {
    const std::pair<unsigned char, char> pairs[] = {
        {0xC4, 'A'}, {0xD6, 'O'}, {0xDC, 'U'}, {0xE4, 'a'}, {0xF6, 'o'}, {0xFC, 'u'},
        {0xE9, 'e'}, {0xE8, 'e'}, {0xF1, 'n'}, {0xC7, 'C'}, {0xE5, 'a'}};
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        const auto& z = phone->state.Zeichen;
        for (const auto& [accented, base] : pairs)
            EXPECT_FALSE(sameBitmap(z[accented], z[static_cast<unsigned char>(base)]))
                << int(accented);
        // Umlauts carry their dots above the letter.
        EXPECT_LT(firstSetRow(z[0xE4]), firstSetRow(z['a']));
        EXPECT_LT(firstSetRow(z[0xC4]), firstSetRow(z['A']));
    }
}

TEST(ShippedPhones, NoTwoCharactersLookAlike) {
    // Characters that are meant to look the same as another one.
    const std::map<int, int> twins = {{kNoBreakSpace, kSpace}, {0xAD, '-'}, {0x82, ','}};
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        const auto& z = phone->state.Zeichen;
        const auto codes = printableCodes();
        for (std::size_t i = 0; i < codes.size(); ++i)
            for (std::size_t j = i + 1; j < codes.size(); ++j) {
                const auto twin = twins.find(codes[j]);
                if (twin != twins.end() && twin->second == codes[i])
                    continue;
                EXPECT_FALSE(sameBitmap(z[codes[i]], z[codes[j]]))
                    << "codes " << codes[i] << " and " << codes[j];
            }
    }
}

TEST(ShippedPhones, LinesFitTheDisplay) {
    for (const auto& phone : loadedPhones()) {
        SCOPED_TRACE(phone->path.string());
        const Module1& s = phone->state;
        ASSERT_GT(s.Zeilenhoehe, 0);
        ASSERT_GT(s.Bildhoehe, 0);
        EXPECT_LE(s.Zeilenbreite, s.Displaybreite);
        EXPECT_LE(s.Bildhoehe, s.Displayhoehe);
        // A line is drawn when its top lies inside the picture; row r of a glyph lands
        // on y = top + r.
        const double lastTop = std::ceil(s.Bildhoehe / s.Zeilenhoehe - 1) * s.Zeilenhoehe;
        int tallest = 0;
        int widest = 0;
        for (int code : printableCodes()) {
            tallest = std::max<int>(tallest, s.Zeichen[code].Hoehe);
            widest = std::max<int>(widest, s.Zeichen[code].Breite);
        }
        EXPECT_LE(lastTop + tallest, s.Displayhoehe - 1);
        EXPECT_LE(widest, s.Zeilenbreite);
        // Only whole lines: the picture is a whole number of lines.
        EXPECT_EQ(std::fmod(s.Bildhoehe, s.Zeilenhoehe), 0);
        // Lines do not overlap.
        EXPECT_GE(s.Zeilenhoehe, tallest);
    }
}

TEST(ShippedPhones, Nokia5110) {
    const Loaded* phone = phoneNamed("Nokia 5110");
    ASSERT_NE(phone, nullptr);
    const Module1& s = phone->state;
    EXPECT_EQ(s.Telefonname, "Nokia 5110");
    EXPECT_EQ(s.Displaybreite, 84);
    EXPECT_EQ(s.Displayhoehe, 48);
    EXPECT_EQ(s.Dateiendung, ".n51");
    EXPECT_TRUE(s.Zeilensprung);
    EXPECT_FALSE(phone->lists.absaetzeErlaubt);
    // A greenish LCD: green is the strongest component.
    const int red = s.Hintergrundfarbe & 0xFF;
    const int green = (s.Hintergrundfarbe >> 8) & 0xFF;
    const int blue = (s.Hintergrundfarbe >> 16) & 0xFF;
    EXPECT_GT(green, red);
    EXPECT_GT(green, blue);
}

TEST(ShippedPhones, TheSetShowsEveryOption) {
    bool paragraphs = false;
    bool noWrap = false;
    std::map<std::string, int> extensions;
    for (const auto& phone : loadedPhones()) {
        paragraphs = paragraphs || phone->lists.absaetzeErlaubt;
        noWrap = noWrap || !phone->state.Zeilensprung;
        ++extensions[phone->state.Dateiendung];
        EXPECT_EQ(phone->state.Dateiendung.size(), 4u) << phone->path;
        EXPECT_EQ(phone->state.Dateiendung[0], '.') << phone->path;
    }
    EXPECT_TRUE(paragraphs);
    EXPECT_TRUE(noWrap);
    for (const auto& [extension, count] : extensions)
        EXPECT_EQ(count, 1) << "extension " << extension << " used twice";
}

} // namespace
