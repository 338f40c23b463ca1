// Files that other programs and people write: each bad one is refused with a reason the
// user can act on and leaves the loaded phone as it was; the odd ones that are still
// valid load right.

#include "message_file.h"
#include "phone_loader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace smssim;
namespace fs = std::filesystem;

namespace {

const std::string kDir = std::string(SMSSIM_TEST_DATA) + "/hardening/";
const std::string kMini = std::string(SMSSIM_TEST_DATA) + "/phones/mini.bsd";

std::string rowName(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

// A phone loaded and a session under way, so that any change a refused file makes shows.
Module1 sessionWithMiniPhone() {
    Module1 s;
    EXPECT_TRUE(std::holds_alternative<PhoneLists>(ZeichensatzLaden(s, kMini)));
    s.Absaetze = true;
    s.Bildversatz = -8;
    s.Zeichen[0].Breite = 5;
    s.Zeichen[0].punkt(0, 0) = -1;
    return s;
}

void expectSameState(const Module1& now, const Module1& before) {
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(now.Zeichen[code].Punkte, before.Zeichen[code].Punkte) << "code " << code;
        EXPECT_EQ(now.Zeichen[code].Breite, before.Zeichen[code].Breite) << "code " << code;
        EXPECT_EQ(now.Zeichen[code].Hoehe, before.Zeichen[code].Hoehe) << "code " << code;
    }
    EXPECT_EQ(now.Telefonname, before.Telefonname);
    EXPECT_EQ(now.Zeilenbreite, before.Zeilenbreite);
    EXPECT_EQ(now.Bildhoehe, before.Bildhoehe);
    EXPECT_EQ(now.Dateiendung, before.Dateiendung);
    EXPECT_EQ(now.Hintergrundfarbe, before.Hintergrundfarbe);
    EXPECT_EQ(now.Displayhoehe, before.Displayhoehe);
    EXPECT_EQ(now.Displaybreite, before.Displaybreite);
    EXPECT_EQ(now.Zeilenhoehe, before.Zeilenhoehe);
    EXPECT_EQ(now.Zeilensprung, before.Zeilensprung);
    EXPECT_EQ(now.Absaetze, before.Absaetze);
    EXPECT_EQ(now.Bildversatz, before.Bildversatz);
}

std::string phoneErrorText(const std::string& path, int line, const std::string& reason) {
    return "Die Zeichensatzdatei „" + path + "“ kann nicht geladen werden.\n" +
           (line > 0 ? "Zeile " + std::to_string(line) + ": " : "") + reason + ".";
}

std::string messageErrorText(const std::string& path, int line, const std::string& reason) {
    return "Die Datei „" + path + "“ kann nicht gelesen werden.\n" +
           (line > 0 ? "Zeile " + std::to_string(line) + ": " : "") + reason + ".";
}

void writeFile(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

const std::string kHeader = "Hart\r\n20\r\n8\r\n.hrt\r\n255\r\n10\r\n24\r\n4\r\n"
                            "Abs\xE4tze: Ja\r\nZeilensprung: Ja\r\n65\r\n:_#_\r\n";

// A valid phone definition padded with blank lines (which change nothing) to `size` bytes.
std::string phoneOfSize(std::size_t size) {
    std::string data = kHeader;
    data.resize(size, '\n');
    return data;
}

// A message file of exactly `size` bytes (a multiple of 4): the letter H over and over.
std::string messageOfSize(std::size_t size) {
    std::string data;
    data.reserve(size);
    while (data.size() < size)
        data += "72\r\n";
    return data;
}

// Runs `read` as an unprivileged user when the tests run as root (as in CI), so a file
// without read permission is refused as for any user. False: the user cannot be changed.
bool asUnprivilegedUser(const std::function<void()>& read) {
    if (::geteuid() != 0) {
        read();
        return true;
    }
    constexpr uid_t kNobody = 65534;
    if (::seteuid(kNobody) != 0)
        return false;
    read();
    EXPECT_EQ(::seteuid(0), 0);
    return true;
}

// A fresh folder for files the tests make at run time: a 10 MB file is not kept in
// the repository, and special files cannot be.
class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "smssim-hardening-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        ::chmod(dir_.c_str(), 0755); // an unprivileged reader must get as far as the file
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    std::string dir_;
};

// ---------------------------------------------------------------------------------------
// Phone definitions refused by their contents.

struct RefusedFile {
    const char* file;
    int line;
    const char* reason;
};

// Test names carry the file, not the bytes of the row.
void PrintTo(const RefusedFile& row, std::ostream* out) {
    *out << row.file;
}

class RefusedPhoneFile : public ::testing::TestWithParam<RefusedFile> {};

TEST_P(RefusedPhoneFile, NamesFileLineAndReasonAndKeepsThePhone) {
    Module1 s = sessionWithMiniPhone();
    const Module1 before = s;
    const std::string path = kDir + GetParam().file;
    const auto result = ZeichensatzLaden(s, path);
    ASSERT_TRUE(std::holds_alternative<PhoneError>(result));
    const PhoneError& e = std::get<PhoneError>(result);
    EXPECT_EQ(e.zeile, GetParam().line);
    EXPECT_EQ(e.grund, GetParam().reason);
    EXPECT_EQ(e.text(), phoneErrorText(path, GetParam().line, GetParam().reason));
    expectSameState(s, before);
}

INSTANTIATE_TEST_SUITE_P(
    Hardening, RefusedPhoneFile,
    ::testing::Values(
        // Cut short.
        RefusedFile{"header-one-field.bsd", 1,
                    "Die Datei endet vor dem Feld Zeilenbreite (Feld 2 von 10)"},
        RefusedFile{"header-nine-fields.bsd", 9,
                    "Die Datei endet vor dem Feld Zeilensprung (Feld 10 von 10)"},
        RefusedFile{"header-no-line-end.bsd", 2,
                    "Die Datei endet vor dem Feld Bildhöhe (Feld 3 von 10)"},
        RefusedFile{"only-spaces.bsd", 1,
                    "Die Datei endet vor dem Feld Zeilenbreite (Feld 2 von 10)"},
        RefusedFile{"only-line-ends.bsd", 3,
                    "Die Datei endet vor dem Feld Dateiendung (Feld 4 von 10)"},
        RefusedFile{"message-file-as-phone.bsd", 5,
                    "Die Datei endet vor dem Feld Displayhöhe (Feld 6 von 10)"},
        // Words and malformed numbers in the header.
        RefusedFile{"height-word.bsd", 3, "Bildhöhe: „hoch“ ist keine Zahl"},
        RefusedFile{"display-height-word.bsd", 6, "Displayhöhe: „zehn“ ist keine Zahl"},
        RefusedFile{"display-width-unit.bsd", 7, "Displaybreite: „24px“ ist keine Zahl"},
        RefusedFile{"line-pitch-word.bsd", 8, "Zeilenhöhe: „vier“ ist keine Zahl"},
        RefusedFile{"width-hex.bsd", 2, "Zeilenbreite: „0x14“ ist keine Zahl"},
        RefusedFile{"width-inf.bsd", 2, "Zeilenbreite: „inf“ ist keine Zahl"},
        RefusedFile{"width-nan.bsd", 2, "Zeilenbreite: „NaN“ ist keine Zahl"},
        RefusedFile{"width-huge-exponent.bsd", 2, "Zeilenbreite: „1e999“ ist keine Zahl"},
        // A German decimal comma splits the field: everything after it shifts by one.
        RefusedFile{"line-pitch-decimal-comma.bsd", 10,
                    "Die Pixelzeile „Zeilensprung: Ja“ hat 16 Zeichen, höchstens 10 sind erlaubt"},
        // Header values out of range.
        RefusedFile{"colour-below-32-bit.bsd", 5,
                    "Hintergrundfarbe: „-2147483649“ liegt außerhalb des 32-Bit-Bereichs"},
        RefusedFile{"colour-fraction-out-of-range.bsd", 5,
                    "Hintergrundfarbe: „2147483647.5“ liegt außerhalb des 32-Bit-Bereichs"},
        RefusedFile{"picture-height-negative.bsd", 3, "Bildhöhe muss größer als 0 sein"},
        RefusedFile{"display-height-too-big.bsd", 6,
                    "Displayhöhe muss größer als 0 und höchstens 1000 sein"},
        RefusedFile{"display-width-zero.bsd", 7,
                    "Displaybreite muss größer als 0 und höchstens 1000 sein"},
        // Quotes.
        RefusedFile{"lone-quote.bsd", 1, "Das Anführungszeichen wird nicht geschlossen"},
        RefusedFile{"name-unclosed-quote.bsd", 1, "Das Anführungszeichen wird nicht geschlossen"},
        RefusedFile{"glyph-lone-quote.bsd", 15, "Das Anführungszeichen wird nicht geschlossen"},
        // Codes.
        RefusedFile{"code-1000.bsd", 15, "Zeichencode „1000“ ist keine ganze Zahl von 0 bis 255"},
        RefusedFile{"code-huge.bsd", 15,
                    "Zeichencode „99999999999999999999“ ist keine ganze Zahl von 0 bis 255"},
        RefusedFile{"code-fraction-exponent.bsd", 15,
                    "Zeichencode „2.555e2“ ist keine ganze Zahl von 0 bis 255"},
        RefusedFile{"code-huge-exponent.bsd", 15, "Zeichencode „1e999“ ist keine Zahl"},
        RefusedFile{"code-trailing-word.bsd", 15, "Zeichencode „65 A“ ist keine Zahl"},
        RefusedFile{"code-tab.bsd", 15, "Zeichencode „65␉“ ist keine Zahl"},
        RefusedFile{"code-100-digits.bsd", 15,
                    "Zeichencode „1111111111111111111111111111111111111111…“ ist keine ganze "
                    "Zahl von 0 bis 255"},
        // Glyphs larger than 10 x 10.
        RefusedFile{"pixel-in-row-11-over-fields.bsd", 14,
                    "Pixel in Zeile 11 des Zeichens 65, höchstens 10 Zeilen sind erlaubt"},
        RefusedFile{"pixel-in-column-11.bsd", 12,
                    "Die Pixelzeile „:__________#“ hat 12 Zeichen, höchstens 10 sind erlaubt"},
        RefusedFile{"row-of-11-other-characters.bsd", 12,
                    "Die Pixelzeile „abcdefghijk“ hat 11 Zeichen, höchstens 10 sind erlaubt"},
        RefusedFile{"row-too-long-before-first-code.bsd", 11,
                    "Die Pixelzeile „:#########_“ hat 11 Zeichen, höchstens 10 sind erlaubt"},
        RefusedFile{"eleven-rows-before-first-code.bsd", 22,
                    "Das Zeichen 1 hat 11 Zeilen, höchstens 10 sind erlaubt"},
        RefusedFile{"eleven-rows-in-two-fields.bsd", 13,
                    "Das Zeichen 65 hat 11 Zeilen, höchstens 10 sind erlaubt"},
        RefusedFile{"code-0-eleven-rows.bsd", 22,
                    "Pixel in Zeile 11 des Zeichens 0, höchstens 10 Zeilen sind erlaubt"},
        // Not Windows-1252 text.
        RefusedFile{"nul-in-name.bsd", 1, "Die Datei enthält ein Nullbyte und ist keine Textdatei"},
        RefusedFile{"nul-in-glyph.bsd", 12,
                    "Die Datei enthält ein Nullbyte und ist keine Textdatei"},
        RefusedFile{"png-picture.bsd", 3, "Die Datei enthält ein Nullbyte und ist keine Textdatei"},
        RefusedFile{"utf16le.bsd", 1, "Die Datei ist UTF-16-kodiert; erwartet wird Windows-1252"},
        RefusedFile{"utf16be.bsd", 1, "Die Datei ist UTF-16-kodiert; erwartet wird Windows-1252"},
        RefusedFile{"utf8-bom-but-windows-1252.bsd", 9,
                    "Die Datei ist als UTF-8 gekennzeichnet, aber diese Zeile ist kein gültiges "
                    "UTF-8 oder enthält ein Zeichen, das Windows-1252 nicht kennt"},
        RefusedFile{"utf8-bom-character-not-in-1252.bsd", 1,
                    "Die Datei ist als UTF-8 gekennzeichnet, aber diese Zeile ist kein gültiges "
                    "UTF-8 oder enthält ein Zeichen, das Windows-1252 nicht kennt"}),
    [](const auto& info) { return rowName(info.param.file); });

// ---------------------------------------------------------------------------------------
// Phone definitions that look odd but are valid.

struct AcceptedPhone {
    const char* file;
    const char* telefonname; // UTF-8
    const char* verfuegbar;  // Windows-1252
    int code;                // a glyph to look at
    int breite;
    int hoehe;
};

void PrintTo(const AcceptedPhone& row, std::ostream* out) {
    *out << row.file;
}

class AcceptedPhoneFile : public ::testing::TestWithParam<AcceptedPhone> {};

TEST_P(AcceptedPhoneFile, LoadsRight) {
    Module1 s = sessionWithMiniPhone();
    const auto result = ZeichensatzLaden(s, kDir + GetParam().file);
    ASSERT_TRUE(std::holds_alternative<PhoneLists>(result)) << std::get<PhoneError>(result).text();
    const PhoneLists& lists = std::get<PhoneLists>(result);
    EXPECT_EQ(s.Telefonname, GetParam().telefonname);
    EXPECT_EQ(s.Zeilenbreite, 20);
    EXPECT_EQ(s.Dateiendung, ".hrt");
    EXPECT_EQ(s.Zeilenhoehe, 4);
    EXPECT_TRUE(lists.absaetzeErlaubt);
    EXPECT_TRUE(s.Zeilensprung);
    EXPECT_EQ(lists.verfuegbar, GetParam().verfuegbar);
    EXPECT_EQ(s.Zeichen[GetParam().code].Breite, GetParam().breite);
    EXPECT_EQ(s.Zeichen[GetParam().code].Hoehe, GetParam().hoehe);
}

INSTANTIATE_TEST_SUITE_P(
    Hardening, AcceptedPhoneFile,
    ::testing::Values(AcceptedPhone{"lf.bsd", "Hart", "A", 65, 4, 3},
                      AcceptedPhone{"cr-only.bsd", "Hart", "A", 65, 4, 3},
                      AcceptedPhone{"mixed-line-ends.bsd", "Hart", "A", 65, 4, 3},
                      AcceptedPhone{"no-final-line-end.bsd", "Hart", "A", 65, 4, 3},
                      // Read as UTF-8: the name keeps its umlaut and "Absätze: Ja" matches.
                      AcceptedPhone{"utf8-bom.bsd", "Härt", "A", 65, 4, 3},
                      // Not a code: "-" is no digit, so this is a row field of length 2.
                      AcceptedPhone{"code-minus-1.bsd", "Hart", "A", 65, 2, 0},
                      // The comma separates two code fields, 65 and 5.
                      AcceptedPhone{"code-decimal-comma.bsd", "Hart", "A\x05", 5, 2, 1},
                      AcceptedPhone{"code-exponent.bsd", "Hart", "A", 65, 3, 1},
                      AcceptedPhone{"spaces-around-code.bsd", "Hart", "A", 65, 2, 1},
                      AcceptedPhone{"quoted-numbers.bsd", "Hart, Modell 2", "A", 65, 4, 3}),
    [](const auto& info) { return rowName(info.param.file); });

// ---------------------------------------------------------------------------------------
// Message files.

class RefusedMessageFile : public ::testing::TestWithParam<RefusedFile> {};

TEST_P(RefusedMessageFile, NamesFileLineAndReason) {
    const std::string path = kDir + GetParam().file;
    const auto result = NachrichtLesen(path);
    ASSERT_TRUE(std::holds_alternative<MessageFileError>(result));
    const MessageFileError& e = std::get<MessageFileError>(result);
    EXPECT_EQ(e.zeile, GetParam().line);
    EXPECT_EQ(e.grund, GetParam().reason);
    EXPECT_EQ(e.text(), messageErrorText(path, GetParam().line, GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Hardening, RefusedMessageFile,
    ::testing::Values(
        RefusedFile{"word.n51", 1, "„Hallo“ ist kein Zeichencode"},
        RefusedFile{"hex.n51", 1, "„0x41“ ist kein Zeichencode"},
        RefusedFile{"inf.n51", 1, "„inf“ ist kein Zeichencode"},
        RefusedFile{"huge-exponent.n51", 1, "„1e999“ ist kein Zeichencode"},
        RefusedFile{"space-inside.n51", 1, "„7 2“ ist kein Zeichencode"},
        RefusedFile{"tab.n51", 1, "„72␉“ ist kein Zeichencode"},
        RefusedFile{"nul.n51", 1, "„7␀2“ ist kein Zeichencode"},
        RefusedFile{"utf16le.n51", 1, "„ÿþ7␀2␀“ ist kein Zeichencode"},
        RefusedFile{"bom-then-word.n51", 1, "„Hallo“ ist kein Zeichencode"},
        RefusedFile{"phone-definition.n51", 1, "„Hart“ ist kein Zeichencode"},
        RefusedFile{"third-line-bad.n51", 3, "„x“ ist kein Zeichencode"},
        RefusedFile{"100-letters.n51", 1,
                    "„xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…“ ist kein Zeichencode"},
        RefusedFile{"code-256.n51", 2, "256 liegt nicht zwischen 0 und 255"},
        RefusedFile{"code-minus-1.n51", 1, "-1 liegt nicht zwischen 0 und 255"},
        // Rounded half to even, 255.5 is 256.
        RefusedFile{"code-255.5.n51", 1, "255.5 liegt nicht zwischen 0 und 255"},
        RefusedFile{"exponent-fraction.n51", 1, "2.555e2 liegt nicht zwischen 0 und 255"},
        RefusedFile{"beyond-32-bit.n51", 1, "99999999999 liegt nicht zwischen 0 und 255"},
        RefusedFile{"100-digits.n51", 1,
                    "1111111111111111111111111111111111111111… liegt nicht zwischen 0 und 255"},
        RefusedFile{"unclosed-quote-at-end.n51", 2, "Das Anführungszeichen wird nicht geschlossen"},
        RefusedFile{"unclosed-quote-swallows.n51", 2,
                    "Das Anführungszeichen wird nicht geschlossen"}),
    [](const auto& info) { return rowName(info.param.file); });

struct AcceptedMessage {
    const char* file;
    const char* text; // Windows-1252
};

void PrintTo(const AcceptedMessage& row, std::ostream* out) {
    *out << row.file;
}

class AcceptedMessageFile : public ::testing::TestWithParam<AcceptedMessage> {};

TEST_P(AcceptedMessageFile, ReadsRight) {
    const auto result = NachrichtLesen(kDir + GetParam().file);
    ASSERT_TRUE(std::holds_alternative<std::string>(result))
        << std::get<MessageFileError>(result).text();
    EXPECT_EQ(std::get<std::string>(result), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Hardening, AcceptedMessageFile,
                         ::testing::Values(AcceptedMessage{"cr-only.n51", "Hallo"},
                                           AcceptedMessage{"lf.n51", "Hallo"},
                                           AcceptedMessage{"utf8-bom.n51", "Hallo"},
                                           AcceptedMessage{"no-final-line-end.n51", "Ho"},
                                           AcceptedMessage{"blank-lines.n51", "Ho"},
                                           AcceptedMessage{"half-to-even.n51", "BB"},
                                           AcceptedMessage{"decimal-comma.n51", "A\x05"},
                                           AcceptedMessage{"empty.n51", ""}),
                         [](const auto& info) { return rowName(info.param.file); });

// ---------------------------------------------------------------------------------------
// Files that are made at run time: too large, special, unreadable.

enum class Kind { Phone, Message };

struct MadeFile {
    const char* name;
    Kind kind;
    // Makes the file in the folder and returns the path to read.
    std::function<std::string(const std::string& dir)> make;
    int line;
    const char* reason;
    bool unprivileged = false; // read as a user other than root
};

void PrintTo(const MadeFile& row, std::ostream* out) {
    *out << row.name;
}

class MadeBadFile : public TempFolder, public ::testing::WithParamInterface<MadeFile> {};

TEST_P(MadeBadFile, IsRefusedWithItsReason) {
    const MadeFile& row = GetParam();
    const std::string path = row.make(dir_);
    if (row.kind == Kind::Phone) {
        Module1 s = sessionWithMiniPhone();
        const Module1 before = s;
        PhoneLoadResult result;
        const auto read = [&] { result = ZeichensatzLaden(s, path); };
        if (!row.unprivileged)
            read();
        else if (!asUnprivilegedUser(read))
            GTEST_SKIP() << "cannot read as another user";
        ASSERT_TRUE(std::holds_alternative<PhoneError>(result));
        EXPECT_EQ(std::get<PhoneError>(result).text(), phoneErrorText(path, row.line, row.reason));
        expectSameState(s, before);
    } else {
        MessageReadResult result;
        const auto read = [&] { result = NachrichtLesen(path); };
        if (!row.unprivileged)
            read();
        else if (!asUnprivilegedUser(read))
            GTEST_SKIP() << "cannot read as another user";
        ASSERT_TRUE(std::holds_alternative<MessageFileError>(result));
        EXPECT_EQ(std::get<MessageFileError>(result).text(),
                  messageErrorText(path, row.line, row.reason));
    }
}

std::string madeFile(const std::string& dir, const std::string& name, const std::string& data,
                     mode_t mode = 0644) {
    const std::string path = dir + "/" + name;
    writeFile(path, data);
    ::chmod(path.c_str(), mode);
    return path;
}

std::string madeFolder(const std::string& dir, const std::string& name) {
    const std::string path = dir + "/" + name;
    fs::create_directory(path);
    return path;
}

std::string madePipe(const std::string& dir, const std::string& name) {
    const std::string path = dir + "/" + name;
    EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0);
    return path;
}

constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;
const char* const kPhoneTooBig =
    "Die Datei ist größer als 1 MB (1048576 Bytes); so groß ist keine Zeichensatzdatei";
const char* const kMessageTooBig =
    "Die Datei ist größer als 8 MB (8388608 Bytes); so lang ist keine Nachricht";

INSTANTIATE_TEST_SUITE_P(
    Hardening, MadeBadFile,
    ::testing::Values(
        MadeFile{"PhoneTenMegabytes", Kind::Phone,
                 [](const std::string& d) {
                     return madeFile(d, "gross.bsd", phoneOfSize(kTenMegabytes));
                 },
                 0, kPhoneTooBig},
        MadeFile{"PhoneOneByteOverTheLimit", Kind::Phone,
                 [](const std::string& d) {
                     return madeFile(d, "knapp.bsd", phoneOfSize(kMaxPhoneFileSize + 1));
                 },
                 0, kPhoneTooBig},
        MadeFile{"PhoneFolder", Kind::Phone,
                 [](const std::string& d) { return madeFolder(d, "ordner.bsd"); }, 0,
                 "Das ist ein Ordner, keine Datei"},
        MadeFile{"PhonePipe", Kind::Phone,
                 [](const std::string& d) { return madePipe(d, "rohr.bsd"); }, 0,
                 "Das ist keine gewöhnliche Datei"},
        MadeFile{"PhoneDevice", Kind::Phone, [](const std::string&) { return "/dev/zero"; }, 0,
                 "Das ist keine gewöhnliche Datei"},
        MadeFile{"PhoneWithoutReadPermission", Kind::Phone,
                 [](const std::string& d) { return madeFile(d, "geheim.bsd", kHeader, 0); }, 0,
                 "Keine Berechtigung", true},
        MadeFile{"PhoneReadFails", Kind::Phone,
                 // A regular file whose read fails: the process's memory at address 0.
                 [](const std::string&) { return "/proc/self/mem"; }, 0,
                 "Ein-/Ausgabefehler beim Zugriff auf den Datenträger"},
        MadeFile{"PhoneInMissingFolder", Kind::Phone,
                 [](const std::string& d) { return d + "/fehlt/Nokia.bsd"; }, 0,
                 "Die Datei wurde nicht gefunden"},
        MadeFile{"PhoneBelowAFile", Kind::Phone,
                 [](const std::string& d) { return madeFile(d, "datei", kHeader) + "/x.bsd"; }, 0,
                 "Ein Teil des Pfades ist kein Ordner"},
        MadeFile{"MessageTenMegabytes", Kind::Message,
                 [](const std::string& d) {
                     return madeFile(d, "gross.n51", messageOfSize(kTenMegabytes));
                 },
                 0, kMessageTooBig},
        MadeFile{"MessageOneByteOverTheLimit", Kind::Message,
                 [](const std::string& d) {
                     return madeFile(d, "knapp.n51", messageOfSize(kMaxMessageFileSize) + "\n");
                 },
                 0, kMessageTooBig},
        MadeFile{"MessageFolder", Kind::Message,
                 [](const std::string& d) { return madeFolder(d, "ordner.n51"); }, 0,
                 "Das ist ein Ordner, keine Datei"},
        MadeFile{"MessagePipe", Kind::Message,
                 [](const std::string& d) { return madePipe(d, "rohr.n51"); }, 0,
                 "Das ist keine gewöhnliche Datei"},
        MadeFile{"MessageDevice", Kind::Message, [](const std::string&) { return "/dev/zero"; }, 0,
                 "Das ist keine gewöhnliche Datei"},
        MadeFile{"MessageWithoutReadPermission", Kind::Message,
                 [](const std::string& d) { return madeFile(d, "geheim.n51", "72\r\n", 0); }, 0,
                 "Keine Berechtigung", true},
        MadeFile{"MessageReadFails", Kind::Message,
                 [](const std::string&) { return "/proc/self/mem"; }, 0,
                 "Ein-/Ausgabefehler beim Zugriff auf den Datenträger"},
        MadeFile{"MessageMissing", Kind::Message,
                 [](const std::string& d) { return d + "/fehlt.n51"; }, 0,
                 "Die Datei wurde nicht gefunden"}),
    [](const auto& info) { return std::string(info.param.name); });

class MadeGoodFile : public TempFolder {};

TEST_F(MadeGoodFile, FilesExactlyAtTheSizeLimitLoad) {
    Module1 s = sessionWithMiniPhone();
    const auto phone =
        ZeichensatzLaden(s, madeFile(dir_, "voll.bsd", phoneOfSize(kMaxPhoneFileSize)));
    ASSERT_TRUE(std::holds_alternative<PhoneLists>(phone)) << std::get<PhoneError>(phone).text();
    EXPECT_EQ(s.Telefonname, "Hart");
    EXPECT_EQ(s.Zeichen[65].Breite, 4);

    const auto message =
        NachrichtLesen(madeFile(dir_, "voll.n51", messageOfSize(kMaxMessageFileSize)));
    ASSERT_TRUE(std::holds_alternative<std::string>(message))
        << std::get<MessageFileError>(message).text();
    EXPECT_EQ(std::get<std::string>(message), std::string(kMaxMessageFileSize / 4, 'H'));
}

} // namespace
