// Where the program finds its default phone: the working directory first, then the
// data folders, the shipped phones beside the program among them.

#include "default_phone.h"
#include "temp_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace smssim;

TEST(DefaultPhone, TheWorkingDirectoryComesFirstThenTheDataFoldersThenBesideTheProgram) {
    const fs::path old = fs::current_path();
    const smssim::test::TempDir temp;
    const fs::path& dir = temp.path();
    const std::string data = temp / "data";
    fs::create_directories(data);
    fs::current_path(dir);
    EXPECT_EQ(findDefaultPhone(data), kDefaultPhoneFile) << "named even when missing";
    EXPECT_EQ(defaultPhoneCandidates(data).back(), data + "/" + kDefaultPhoneFile);
    std::ofstream(dir / "data" / kDefaultPhoneFile) << "x";
    EXPECT_EQ(findDefaultPhone(data), data + "/" + kDefaultPhoneFile);
    std::ofstream(dir / kDefaultPhoneFile) << "x";
    EXPECT_EQ(findDefaultPhone(data), kDefaultPhoneFile);
    fs::current_path(old);
    // The built program looks beside itself, in the build tree's copy of the phones.
    EXPECT_EQ(fs::path(programDataDir()).filename(), "phones");
}
