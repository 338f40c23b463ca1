#include "message_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace smssim;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void spit(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

const fs::path kMessages = fs::path(SMSSIM_TEST_DATA) / "messages";

class TempDir {
  public:
    TempDir() {
        std::string tmpl = (fs::temp_directory_path() / "smssim-files-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(path_))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

  private:
    fs::path path_;
};

std::string readText(const std::string& path) {
    auto result = NachrichtLesen(path);
    if (auto* error = std::get_if<MessageFileError>(&result))
        return "ERROR: " + error->text();
    return std::get<std::string>(result);
}

// ---- Byte-exact files, against the golden files in tests/data/messages ----

struct GoldenCase {
    const char* name;
    std::string text; // Windows-1252 bytes
    const char* file;
};

class GoldenFile : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenFile, WritesTheGoldenBytesAndReadsThemBack) {
    const auto& c = GetParam();
    TempDir dir;
    const auto target = dir.path() / "out.n51";
    ASSERT_FALSE(NachrichtSchreiben(target.string(), c.text));
    EXPECT_EQ(slurp(target), slurp(kMessages / c.file));
    EXPECT_EQ(readText((kMessages / c.file).string()), c.text);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.n51"}) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(MessageFile, GoldenFile,
                         ::testing::Values(GoldenCase{"Hallo", "Hallo", "Hallo.n51"},
                                           GoldenCase{"Paragraph", "A\r\nB", "Absatz.n51"},
                                           GoldenCase{"Umlaut", "\xE4", "Umlaut.n51"},
                                           GoldenCase{"Empty", "", "Leer.n51"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MessageFile, HalloIsTheTwentyThreeBytesOfTheFormat) {
    EXPECT_EQ(messageFileBytes("Hallo"), "111\r\n108\r\n108\r\n97\r\n72\r\n");
    EXPECT_EQ(slurp(kMessages / "Hallo.n51").size(), 23u);
    EXPECT_EQ(slurp(kMessages / "Leer.n51").size(), 0u);
}

TEST(MessageFile, EveryCodeRoundTripsThroughAFile) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    TempDir dir;
    const auto target = (dir.path() / "all.n51").string();
    ASSERT_FALSE(NachrichtSchreiben(target, all));
    const std::string bytes = slurp(target);
    EXPECT_EQ(bytes.substr(0, 5), "255\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "1\r\n0\r\n");
    EXPECT_EQ(readText(target), all);
}

// ---- Accepted input ----

struct ReadCase {
    const char* name;
    std::string data;
    std::string text;
};

class ReadAccepted : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadAccepted, GivesTheText) {
    const auto result = NachrichtLesenAusDaten(GetParam().data, "x.n51");
    ASSERT_TRUE(std::holds_alternative<std::string>(result))
        << std::get<MessageFileError>(result).text();
    EXPECT_EQ(std::get<std::string>(result), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    MessageFile, ReadAccepted,
    ::testing::Values(ReadCase{"Commas", "111,108,108,97,72\r\n", "Hallo"},
                      ReadCase{"CommasAndLines", "111,108\r\n108\r\n97,72", "Hallo"},
                      ReadCase{"LeadingBlanks", "  111\r\n   72\r\n", "Ho"},
                      ReadCase{"TrailingBlanks", "111  \r\n72 \r\n", "Ho"},
                      ReadCase{"NoFinalLineEnd", "111\r\n72", "Ho"},
                      ReadCase{"LoneLineFeeds", "111\n72\n", "Ho"},
                      ReadCase{"HalfRoundsDownToEven", "72.5\r\n", "H"},
                      ReadCase{"HalfRoundsUpToEven", "72.5\r\n73.5\r\n", "JH"},
                      ReadCase{"FractionRoundsToNearest", "71.6\r\n", "H"},
                      ReadCase{"SmallNegativeRoundsToZero", "-0.4\r\n", std::string(1, '\0')},
                      ReadCase{"Exponent", "7.2e1\r\n", "H"},
                      ReadCase{"QuotedNumber", "\"72\"\r\n", "H"},
                      ReadCase{"BlankLinesSkipped", "\r\n111\r\n   \r\n\r\n72\r\n", "Ho"},
                      ReadCase{"EmptyFieldBetweenCommas", "111,,72\r\n", "Ho"},
                      ReadCase{"ByteOrderMarkSkipped",
                               "\xEF\xBB\xBF"
                               "72\r\n",
                               "H"},
                      ReadCase{"HighestCode", "255\r\n", "\xFF"}, ReadCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageFile, CommaFixtureReadsAsHallo) {
    EXPECT_EQ(readText((kMessages / "Kommas.n51").string()), "Hallo");
}

// ---- Refused input: the exact German reason ----

struct RefusedCase {
    const char* name;
    std::string data;
    std::string message;
};

class ReadRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ReadRefused, NamesFileLineAndReason) {
    const auto result = NachrichtLesenAusDaten(GetParam().data, "/daten/Gruss.n51");
    ASSERT_TRUE(std::holds_alternative<MessageFileError>(result));
    EXPECT_EQ(std::get<MessageFileError>(result).text(),
              "Die Datei „/daten/Gruss.n51“ kann nicht gelesen werden.\n" + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    MessageFile, ReadRefused,
    ::testing::Values(
        RefusedCase{"Letters", "72\r\n72\r\nabc\r\n", "Zeile 3: „abc“ ist kein Zeichencode."},
        RefusedCase{"DigitsThenLetters", "12abc\r\n", "Zeile 1: „12abc“ ist kein Zeichencode."},
        RefusedCase{"Umlaut", "\xE4\r\n", "Zeile 1: „ä“ ist kein Zeichencode."},
        RefusedCase{"Infinity", "inf\r\n", "Zeile 1: „inf“ ist kein Zeichencode."},
        RefusedCase{"CommaLineCount", "1,2\r\n3,x\r\n", "Zeile 2: „x“ ist kein Zeichencode."},
        RefusedCase{"TooHigh", "1\r\n2\r\n3\r\n4\r\n256\r\n",
                    "Zeile 5: 256 liegt nicht zwischen 0 und 255."},
        RefusedCase{"Negative", "-1\r\n", "Zeile 1: -1 liegt nicht zwischen 0 und 255."},
        RefusedCase{"HalfRoundsOutOfRange", "255.5\r\n",
                    "Zeile 1: 255.5 liegt nicht zwischen 0 und 255."},
        RefusedCase{"BeyondLong", "1e12\r\n", "Zeile 1: 1e12 liegt nicht zwischen 0 und 255."},
        RefusedCase{"ControlCharactersShown", "\t72\r\n", "Zeile 1: „␉72“ ist kein Zeichencode."},
        RefusedCase{"QuoteLeftOpen", "72\r\n\"72\r\n",
                    "Zeile 2: Das Anführungszeichen wird nicht geschlossen."},
        RefusedCase{"LongNumberShortened", "1" + std::string(50, '0') + "\r\n",
                    "Zeile 1: 1" + std::string(39, '0') + "… liegt nicht zwischen 0 und 255."},
        RefusedCase{"LongFieldShortened", std::string(50, 'x') + "\r\n",
                    "Zeile 1: „" + std::string(40, 'x') + "…“ ist kein Zeichencode."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageFile, UnreadableFilesNameFileAndReason) {
    TempDir dir;
    const auto missing = (dir.path() / "fehlt.n51").string();
    EXPECT_EQ(readText(missing), "ERROR: Die Datei „" + missing +
                                     "“ kann nicht gelesen werden.\nDie Datei wurde nicht "
                                     "gefunden.");
    EXPECT_EQ(readText(dir.path().string()), "ERROR: Die Datei „" + dir.path().string() +
                                                 "“ kann nicht gelesen werden.\nDas ist ein "
                                                 "Ordner, keine Datei.");
    EXPECT_EQ(readText((kMessages / "KeinText.n51").string()),
              "ERROR: Die Datei „" + (kMessages / "KeinText.n51").string() +
                  "“ kann nicht gelesen werden.\nZeile 3: „abc“ ist kein Zeichencode.");
}

// ---- Saving never destroys data ----

// Fails one step of the save with a chosen errno; a write fails after `writeBudget`
// bytes have gone through, so the temporary file is left half written.
class FailingCalls : public FileSystemCalls {
  public:
    enum class Step { Write, Fsync, Close, Rename, Open };
    FailingCalls(Step step, int error) : step_(step), error_(error) {}

    int open(const char* path, int flags, mode_t mode) override {
        if (step_ == Step::Open)
            return errno = error_, -1;
        return FileSystemCalls::open(path, flags, mode);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (step_ != Step::Write)
            return FileSystemCalls::write(fd, data, size);
        if (writeBudget_ == 0)
            return errno = error_, -1;
        const std::size_t n = std::min(size, writeBudget_);
        writeBudget_ -= n;
        return FileSystemCalls::write(fd, data, n);
    }
    int fsync(int fd) override {
        if (step_ == Step::Fsync)
            return errno = error_, -1;
        return FileSystemCalls::fsync(fd);
    }
    int close(int fd) override {
        const int r = FileSystemCalls::close(fd);
        if (step_ == Step::Close)
            return errno = error_, -1;
        return r;
    }
    int rename(const char* from, const char* to) override {
        if (step_ == Step::Rename)
            return errno = error_, -1;
        return FileSystemCalls::rename(from, to);
    }

  private:
    Step step_;
    int error_;
    std::size_t writeBudget_ = 7;
};

struct FailureCase {
    const char* name;
    FailingCalls::Step step;
    int error;
    const char* reason;
};

class SaveFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SaveFailure, LeavesTheExistingFileAsItWasAndNoTemporaryFile) {
    const auto& c = GetParam();
    TempDir dir;
    const auto target = dir.path() / "Gruss.n51";
    const std::string before = messageFileBytes("alter Text");
    spit(target, before);

    FailingCalls calls(c.step, c.error);
    const auto error = NachrichtSchreiben(target.string(), "neuer, viel l\xE4ngerer Text", calls);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text(), "Die Datei „" + target.string() +
                                 "“ kann nicht gespeichert werden.\n" + c.reason + ".");
    EXPECT_EQ(slurp(target), before);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Gruss.n51"});
}

INSTANTIATE_TEST_SUITE_P(
    MessageFile, SaveFailure,
    ::testing::Values(
        FailureCase{"DiskFullHalfWay", FailingCalls::Step::Write, ENOSPC,
                    "Auf dem Datenträger ist kein Platz mehr"},
        FailureCase{"QuotaHalfWay", FailingCalls::Step::Write, EDQUOT,
                    "Das Speicherkontingent ist erschöpft"},
        FailureCase{"SyncFails", FailingCalls::Step::Fsync, EIO,
                    "Ein-/Ausgabefehler beim Zugriff auf den Datenträger"},
        FailureCase{"CloseFails", FailingCalls::Step::Close, EIO,
                    "Ein-/Ausgabefehler beim Zugriff auf den Datenträger"},
        FailureCase{"RenameFails", FailingCalls::Step::Rename, EBUSY, "Die Datei ist in Benutzung"},
        FailureCase{"FolderNotWritable", FailingCalls::Step::Open, EACCES, "Keine Berechtigung"},
        FailureCase{"ReadOnlyFileSystem", FailingCalls::Step::Open, EROFS,
                    "Das Dateisystem ist schreibgeschützt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageFile, SaveIntoAMissingFolderOrOntoAFolderIsRefused) {
    TempDir dir;
    const auto missing = (dir.path() / "fehlt" / "Gruss.n51").string();
    auto error = NachrichtSchreiben(missing, "Hallo");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->grund, "Die Datei oder ihr Ordner wurde nicht gefunden");
    EXPECT_EQ(error->datei, missing);

    fs::create_directory(dir.path() / "Ordner.n51");
    error = NachrichtSchreiben((dir.path() / "Ordner.n51").string(), "Hallo");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->grund, "Das ist ein Ordner, keine Datei");
    EXPECT_TRUE(fs::is_directory(dir.path() / "Ordner.n51"));
}

TEST(MessageFile, ReadOnlyFileStaysIntact) {
    TempDir dir;
    const auto target = dir.path() / "Gruss.n51";
    spit(target, "72\r\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // Root writes read-only files: save as an ordinary user, dropping only the effective
    // user, which is the one the file system checks.
    const bool root = ::geteuid() == 0;
    if (root) {
        fs::permissions(dir.path(), fs::perms::all);
        ASSERT_EQ(::seteuid(65534), 0);
    }
    const auto error = NachrichtSchreiben(target.string(), "neu");
    if (root) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->grund, "Keine Berechtigung");
    EXPECT_EQ(slurp(target), "72\r\n");
}

TEST(MessageFile, OverwriteKeepsPermissionsAndWritesThroughLinks) {
    TempDir dir;
    const auto target = dir.path() / "Gruss.n51";
    spit(target, "72\r\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto link = dir.path() / "Verweis.n51";
    fs::create_symlink("Gruss.n51", link);

    ASSERT_FALSE(NachrichtSchreiben(link.string(), "Hallo"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(slurp(target), messageFileBytes("Hallo"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(MessageFile, OverwriteReplacesLongerContentsCompletely) {
    TempDir dir;
    const auto target = dir.path() / "Gruss.n51";
    ASSERT_FALSE(NachrichtSchreiben(target.string(), "ein langer Text"));
    ASSERT_FALSE(NachrichtSchreiben(target.string(), ""));
    EXPECT_EQ(fs::file_size(target), 0u);
}

} // namespace
