// Message files: the exact bytes written and read back, what is accepted and refused
// with which reason, and saves that never destroy the file they replace.

#include "message_file.h"
#include "table_file.h"
#include "temp_dir.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace smssim;

namespace {

const std::string kData = SMSSIM_TEST_DATA;

using test::bytesOf;
using test::TempDir;

std::string readText(const std::string& path) {
    auto result = NachrichtLesen(path);
    return result ? *result : "ERROR: " + result.error().reason;
}

TEST(MessageFile, GoldenFilesAreWrittenByteForByteAndReadBack) {
    const std::pair<std::string, const char*> golden[] = {
        {"Hallo", "Hallo.n51"}, {"A\r\nB", "Absatz.n51"}, {"\xE4", "Umlaut.n51"}, {"", "Leer.n51"}};
    for (const auto& [text, file] : golden) {
        SCOPED_TRACE(file);
        TempDir dir;
        const auto target = dir.path() / "out.n51";
        ASSERT_TRUE(NachrichtSchreiben(target.string(), text));
        EXPECT_EQ(bytesOf(target), bytesOf(kData + "/messages/" + file));
        const mode_t umask = ::umask(0);
        ::umask(umask);
        EXPECT_EQ(fs::status(target).permissions(), fs::perms(0666 & ~umask))
            << "as the umask says";
        EXPECT_EQ(readText(kData + "/messages/" + file), text);
        EXPECT_EQ(dir.contents().size(), 1u) << "a temporary file is left";
    }

    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    TempDir dir;
    const auto target = (dir.path() / "all.n51").string();
    ASSERT_TRUE(NachrichtSchreiben(target, all));
    EXPECT_EQ(bytesOf(target).substr(0, 5), "255\r\n");
    EXPECT_EQ(readText(target), all);
}

TEST(MessageFile, ReadsWhatOtherProgramsWriteAndRefusesTheRestWithLineAndReason) {
    const std::string refused = "Die Datei „/d/G.n51“ kann nicht gelesen werden.\n";
    // The data, and the text read or the reason after the file name.
    const std::pair<std::string, std::string> cases[] = {
        {"111,108\r\n108\r\n97,72", "Hallo"},
        {"  111\r\n   72\r\n", "Ho"},
        {"111  \r\n72 \r\n", "Ho"},
        {"72.5\r\n73.5\r\n", "JH"}, // half to even
        {"-0.4\r\n", std::string(1, '\0')},
        {"\"72\"\r\n", "H"},
        {"111,,72\r\n", "Ho"},
        {"\xEF\xBB\xBF"
         "72\r\n",
         "H"},
        {"255\r\n", "\xFF"},
        {"5,65\r\n", "A\x05"}, // a decimal comma is a field separator
        {"", ""},
        {"\xE4\r\n", refused + "Zeile 1: „ä“ ist kein Zeichencode."},
        {"1,2\r\n3,x\r\n", refused + "Zeile 2: „x“ ist kein Zeichencode."},
        {"\t72\r\n \t 111\r\n", "oH"}, // tabs are blanks too
        {"1" + std::string(39, '0') + "\r\n",
         refused + "Zeile 1: 1" + std::string(39, '0') + " liegt nicht zwischen 0 und 255."},
    };
    for (const auto& [data, expected] : cases) {
        const auto result = NachrichtLesenAusDaten(data, "/d/G.n51");
        EXPECT_EQ(result ? *result : result.error().reason, expected) << data;
    }
    for (const test::TableRow& row : test::readTable(kData + "/hardening/refused-messages.txt")) {
        const std::string path = kData + "/hardening/" + row[0];
        const int line = row.number(1);
        EXPECT_EQ(readText(path), "ERROR: Die Datei „" + path + "“ kann nicht gelesen werden.\n" +
                                      (line > 0 ? "Zeile " + std::to_string(line) + ": " : "") +
                                      row[2] + ".");
    }
}

// ---- Saving never destroys data ----

TEST(MessageFile, OverwriteKeepsPermissionsWritesThroughLinksAndReplacesAllContents) {
    TempDir dir;
    const auto target = dir.path() / "Gruss.n51";
    ASSERT_TRUE(NachrichtSchreiben(target.string(), "ein langer Text"));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto link = dir.path() / "Verweis.n51";
    fs::create_symlink("Gruss.n51", link);

    ASSERT_TRUE(NachrichtSchreiben(link.string(), "Hallo"));
    EXPECT_EQ(std::pair(fs::is_symlink(link), bytesOf(target)),
              std::pair(true, messageFileBytes("Hallo")));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
