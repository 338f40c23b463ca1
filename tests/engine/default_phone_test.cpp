#include "default_phone.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace smssim;

namespace {

// Runs the test body in a fresh working directory and restores the old one.
class InTempDir : public ::testing::Test {
  protected:
    void SetUp() override {
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("smssim-default-" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "data");
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    fs::path old_, dir_;
};

} // namespace

TEST_F(InTempDir, TheWorkingDirectoryComesFirstThenTheDataFolders) {
    const std::string data = (dir_ / "data").string();
    std::ofstream(dir_ / "data" / kDefaultPhoneFile) << "x";
    EXPECT_EQ(findDefaultPhone(data), data + "/" + kDefaultPhoneFile);
    std::ofstream(dir_ / kDefaultPhoneFile) << "x";
    EXPECT_EQ(findDefaultPhone(data), kDefaultPhoneFile);
}

TEST_F(InTempDir, NamesTheWorkingDirectoryFileWhenNoneExists) {
    EXPECT_EQ(findDefaultPhone((dir_ / "data").string()), kDefaultPhoneFile);
    const auto candidates = defaultPhoneCandidates((dir_ / "data").string());
    ASSERT_GE(candidates.size(), 2u);
    EXPECT_EQ(candidates.back(), (dir_ / "data" / kDefaultPhoneFile).string());
}

TEST(ProgramDataDir, LiesBesideTheRunningProgram) {
    const fs::path dir = programDataDir();
    EXPECT_EQ(dir.filename(), "phones");
    EXPECT_EQ(dir.parent_path().parent_path().filename(), "share");
}

TEST_F(InTempDir, TheRendererFindsTheShippedPhoneFromAnyFolder) {
    // The built renderer looks beside itself, in the build tree's copy of the phones.
    const std::string command = std::string("\"") + SMSSIM_RENDER_EXE + "\" --text Hallo > out.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in("out.txt");
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "Bildanzahl: 1");
}
