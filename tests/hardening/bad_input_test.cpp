// Files made at run time, which the repository cannot hold: too large, special or
// unreadable. Each is refused with its reason, closes what it opened and leaves the
// loaded phone as it was; files exactly at the size limits load.

#include "message_file.h"
#include "phone_loader.h"
#include "temp_dir.h"
#include "test_phone.h"

#include <gtest/gtest.h>

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

// A valid phone definition padded with blank lines (which change nothing) to `size` bytes.
std::string phoneOfSize(std::size_t size) {
    std::string data = test::testPhone();
    data.resize(size, '\n');
    return data;
}

// A message file of exactly `size` bytes (a multiple of 4): the letter H over and over.
std::string messageOfSize(std::size_t size) {
    std::string data;
    while (data.size() < size)
        data += "72\r\n";
    return data;
}

std::size_t openFileHandles() {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
}

std::string file(const std::string& d, const std::string& data, mode_t mode = 0644) {
    const std::string path = d + "/datei";
    std::ofstream(path, std::ios::binary) << data;
    ::chmod(path.c_str(), mode);
    return path;
}

class TempFolder : public ::testing::Test {
  protected:
    // An unprivileged reader must get as far as the file.
    void SetUp() override { ::chmod(dir_.c_str(), 0755); }
    test::TempDir temp_;
    std::string dir_ = temp_.path().string();
};

enum class Kind { Phone, Message };

struct MadeFile {
    const char* name;
    Kind kind;
    // Makes the file in the folder and returns the path to read.
    std::function<std::string(const std::string& dir)> make;
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
    Module1 s = test::sessionWithMiniPhone();
    const Module1 before = s;
    std::string text;
    const std::size_t handles = openFileHandles();
    const auto read = [&] {
        if (row.kind == Kind::Phone) {
            const auto result = ZeichensatzLaden(s, path);
            if (!result)
                text = result.error().reason;
        } else {
            const auto result = NachrichtLesen(path);
            if (!result)
                text = result.error().reason;
        }
    };
    // As root (in CI) permissions stop nothing: read as nobody, dropping only the
    // effective user, which is the one the file system checks.
    if (row.unprivileged && ::geteuid() == 0) {
        if (::seteuid(65534) != 0)
            GTEST_SKIP() << "cannot read as another user";
        read();
        ASSERT_EQ(::seteuid(0), 0);
    } else {
        read();
    }
    EXPECT_EQ(text, (row.kind == Kind::Phone
                         ? "Die Zeichensatzdatei „" + path + "“ kann nicht geladen werden.\n"
                         : "Die Datei „" + path + "“ kann nicht gelesen werden.\n") +
                        row.reason + ".");
    EXPECT_EQ(openFileHandles(), handles) << "the refused file is still open";
    EXPECT_TRUE(s == before) << "a refused file changed the session";
}

const char* const kPhoneTooBig =
    "Die Datei ist größer als 1 MB (1048576 Bytes); so groß ist keine Zeichensatzdatei";
const char* const kMessageTooBig =
    "Die Datei ist größer als 8 MB (8388608 Bytes); so lang ist keine Nachricht";

std::string folder(const std::string& d) {
    fs::create_directory(d + "/ordner");
    return d + "/ordner";
}

std::string pipe(const std::string& d) {
    EXPECT_EQ(::mkfifo((d + "/rohr").c_str(), 0644), 0);
    return d + "/rohr";
}

const auto kDevice = [](const std::string&) { return std::string("/dev/zero"); };
// A regular file whose read fails: the process's memory at address 0.
const auto kFailingRead = [](const std::string&) { return std::string("/proc/self/mem"); };

// The message file reads through the same checks: one row each shows its own sentence.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Hardening, MadeBadFile, ::testing::Values(
    MadeFile{"PhoneOneByteOverTheLimit", Kind::Phone, [](const std::string& d) { return file(d, phoneOfSize(kMaxPhoneFileSize + 1)); }, kPhoneTooBig},
    MadeFile{"PhoneFolder", Kind::Phone, folder, "Das ist ein Ordner, keine Datei"},
    MadeFile{"PhonePipe", Kind::Phone, pipe, "Das ist keine gewöhnliche Datei"},
    MadeFile{"PhoneDevice", Kind::Phone, kDevice, "Das ist keine gewöhnliche Datei"},
    MadeFile{"PhoneWithoutReadPermission", Kind::Phone, [](const std::string& d) { return file(d, test::testPhone(), 0); }, "Keine Berechtigung", true},
    MadeFile{"PhoneReadFails", Kind::Phone, kFailingRead, "Ein-/Ausgabefehler beim Zugriff auf den Datenträger"},
    MadeFile{"PhoneBelowAFile", Kind::Phone, [](const std::string& d) { return file(d, test::testPhone()) + "/x.bsd"; }, "Ein Teil des Pfades ist kein Ordner"},
    MadeFile{"MessageOneByteOverTheLimit", Kind::Message, [](const std::string& d) { return file(d, messageOfSize(kMaxMessageFileSize) + "\n"); }, kMessageTooBig},
    MadeFile{"MessageMissing", Kind::Message, [](const std::string& d) { return d + "/fehlt.n51"; }, "Die Datei wurde nicht gefunden"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(TempFolder, FilesExactlyAtTheSizeLimitLoad) {
    Module1 s;
    const auto phone = ZeichensatzLaden(s, file(dir_, phoneOfSize(kMaxPhoneFileSize)));
    ASSERT_TRUE(phone) << phone.error().reason;
    EXPECT_EQ(s.Telefonname, "Mini");
    EXPECT_EQ(s.Zeichen[65].Breite, 4);

    const auto message = NachrichtLesen(file(dir_, messageOfSize(kMaxMessageFileSize)));
    ASSERT_TRUE(message) << message.error().reason;
    EXPECT_EQ(*message, std::string(kMaxMessageFileSize / 4, 'H'));
}

} // namespace
