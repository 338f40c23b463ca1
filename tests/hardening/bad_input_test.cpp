// Files made at run time, which the repository cannot hold: too large, special or
// unreadable. Each is refused with its reason, closes what it opened and leaves the
// loaded phone as it was; files exactly at the size limits load.

#include "message_file.h"
#include "phone_loader.h"
#include "temp_dir.h"
#include "test_phone.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace smssim;
namespace fs = std::filesystem;

namespace {

// A valid phone padded with blank lines (which change nothing), and a message of the
// letter H over and over, each `size` bytes long (a message a multiple of 4).
std::string phoneOfSize(std::size_t size) {
    std::string data = test::testPhone();
    data.resize(size, '\n');
    return data;
}
std::string messageOfSize(std::size_t size) {
    std::string data;
    while (data.size() < size)
        data += "72\r\n";
    return data;
}

template <typename Result> std::string reasonOf(const Result& result) {
    return result ? "" : result.error().reason;
}

std::size_t openFileHandles() {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
}

class TempFolder : public ::testing::Test {
  protected:
    // An unprivileged reader must get as far as the file.
    void SetUp() override { ::chmod(dir.c_str(), 0755); }
    std::string file(const std::string& data, mode_t mode = 0644) const {
        const std::string path = dir + "/datei";
        std::ofstream(path, std::ios::binary) << data;
        ::chmod(path.c_str(), mode);
        return path;
    }
    test::TempDir temp;
    std::string dir = temp.path().string();
};

// The refusal of a phone ('p') or a message ('m'): one row for each of the message file's
// own sentences, the checks they share are tested with the phone.
TEST_F(TempFolder, MadeBadFilesAreRefusedWithTheirReason) {
    const std::string phoneTooBig =
        "Die Datei ist größer als 1 MB (1048576 Bytes); so groß ist keine Zeichensatzdatei";
    fs::create_directory(dir + "/ordner");
    ASSERT_EQ(::mkfifo((dir + "/rohr").c_str(), 0644), 0);
    const struct {
        char kind;
        std::function<std::string()> make;
        std::string reason;
        bool unprivileged = false; // read as a user other than root
    } rows[] = {{'p', [&] { return file(phoneOfSize(kMaxPhoneFileSize + 1)); }, phoneTooBig},
                {'p', [&] { return dir + "/ordner"; }, "Das ist ein Ordner, keine Datei"},
                {'p', [&] { return dir + "/rohr"; }, "Das ist keine gewöhnliche Datei"},
                {'p', [] { return std::string("/dev/zero"); }, "Das ist keine gewöhnliche Datei"},
                {'p', [&] { return file(test::testPhone(), 0); }, "Keine Berechtigung", true},
                // A regular file whose read fails: the process's memory at address 0.
                {'p', [] { return std::string("/proc/self/mem"); },
                 "Ein-/Ausgabefehler beim Zugriff auf den Datenträger"},
                {'p', [&] { return file(test::testPhone()) + "/x.bsd"; },
                 "Ein Teil des Pfades ist kein Ordner"},
                {'m', [&] { return file(messageOfSize(kMaxMessageFileSize) + "\n"); },
                 "Die Datei ist größer als 8 MB (8388608 Bytes); so lang ist keine Nachricht"},
                {'m', [&] { return dir + "/fehlt.n51"; }, "Die Datei wurde nicht gefunden"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        const std::string path = row.make();
        Module1 s = test::sessionWithMiniPhone();
        const Module1 before = s;
        const std::size_t handles = openFileHandles();
        // As root (in CI) permissions stop nothing: read as nobody, dropping only the
        // effective user, which is the one the file system checks.
        const bool asNobody = row.unprivileged && ::geteuid() == 0;
        ASSERT_TRUE(!asNobody || ::seteuid(65534) == 0) << "cannot read as another user";
        const std::string text =
            row.kind == 'p' ? reasonOf(ZeichensatzLaden(s, path)) : reasonOf(NachrichtLesen(path));
        ASSERT_TRUE(!asNobody || ::seteuid(0) == 0);
        EXPECT_EQ(text, (row.kind == 'p'
                             ? "Die Zeichensatzdatei „" + path + "“ kann nicht geladen werden.\n"
                             : "Die Datei „" + path + "“ kann nicht gelesen werden.\n") +
                            row.reason + ".");
        EXPECT_EQ(openFileHandles(), handles) << "the refused file is still open";
        EXPECT_TRUE(s == before) << "a refused file changed the session";
    }
}

TEST_F(TempFolder, FilesExactlyAtTheSizeLimitLoad) {
    Module1 s;
    const auto phone = ZeichensatzLaden(s, file(phoneOfSize(kMaxPhoneFileSize)));
    ASSERT_TRUE(phone) << phone.error().reason;
    EXPECT_EQ(std::tuple(s.Telefonname, s.Zeichen[65].Breite), std::tuple("Mini", 4));
    const auto message = NachrichtLesen(file(messageOfSize(kMaxMessageFileSize)));
    ASSERT_TRUE(message) << message.error().reason;
    EXPECT_EQ(*message, std::string(kMaxMessageFileSize / 4, 'H'));
}

} // namespace
