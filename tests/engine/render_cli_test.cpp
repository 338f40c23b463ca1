#include "render_cli.h"

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace smssim;

namespace {

const std::string kData = SMSSIM_TEST_DATA;
const std::string kMini = kData + "/phones/mini.bsd";
const std::string kNoWrap = kData + "/phones/mini-nowrap.bsd";

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    auto parsed = parseRenderArguments(args);
    if (auto* usage = std::get_if<std::string>(&parsed))
        return {kExitUsage, "", *usage};
    const int status = runRender(std::get<RenderOptions>(parsed), "", out, err);
    return {status, out.str(), err.str()};
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Golden {
    const char* name;
    std::vector<std::string> args;
};

class GoldenOutput : public ::testing::TestWithParam<Golden> {};

} // namespace

// SMSSIM_UPDATE_GOLDEN=1 rewrites the expected files; review the diff before committing.
TEST_P(GoldenOutput, MatchesTheExpectedFile) {
    const CliRun r = run(GetParam().args);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const std::string path = kData + "/golden/" + GetParam().name + ".txt";
    if (std::getenv("SMSSIM_UPDATE_GOLDEN"))
        std::ofstream(path, std::ios::binary) << r.out;
    EXPECT_EQ(r.out, readFile(path));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, GoldenOutput,
    ::testing::Values(
        Golden{"empty", {"--phone", kMini, "--text", ""}},
        Golden{"word-wrap-ascii", {"--phone", kMini, "--text", "AAA AAA BC.", "--format", "ascii"}},
        Golden{"word-wrap-dots", {"--phone", kMini, "--text", "AAA A. C"}},
        Golden{"glyph-wrap-ascii",
               {"--phone", kNoWrap, "--text", "AAA AAA BC.", "--format", "ascii"}},
        Golden{
            "paragraphs-ascii",
            {"--phone", kMini, "--paragraphs", "--text", "AB\nC.\n\xC3\xA4", "--format", "ascii"}},
        Golden{"picture-2-dots",
               {"--phone", kMini, "--paragraphs", "--picture", "2", "--text", "A\nB\nC\nA\nB"}},
        Golden{"picture-3-ascii",
               {"--phone", kMini, "--paragraphs", "--picture", "3", "--max-length", "10", "--text",
                "A\nB\nC\nA\nB.", "--format", "ascii"}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == '-')
                c = '_';
        return name;
    });

TEST(RenderCli, CountsAndLineEnds) {
    const CliRun r = run({"--phone", kMini, "--paragraphs", "--text", "A\nB", "--max-length", "3"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n', r.out.find('\n') + 1) + 1),
              "Bildanzahl: 1\nVerbleibende Buchstaben: -1\n")
        << "a line end is the two characters CR LF";
}

TEST(RenderCli, RefusesWrongArgumentsWithStatusTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--phone", kMini},
             {"--text", "a", "--bogus"},
             {"--text", "a", "--picture", "0"},
             {"--text", "a", "--picture", "1.5"},
             {"--text", "a", "--max-length", "-1"},
             {"--text", "a", "--format", "bmp"},
             {"--text", "a", "--text-file", "b"},
             {"--text"},
             {"--phone", kNoWrap, "--paragraphs", "--text", "a"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, kExitUsage) << args.back();
        EXPECT_FALSE(r.err.empty());
    }
}

TEST(RenderCli, RefusesUnusableFilesAndTextsWithStatusOne) {
    CliRun r = run({"--phone", kData + "/hardening/code-256.bsd", "--text", "a"});
    EXPECT_EQ(r.status, kExitUnusable);
    EXPECT_NE(r.err.find("code-256.bsd"), std::string::npos);
    r = run({"--phone", kMini, "--text-file", kData + "/nowhere.txt"});
    EXPECT_EQ(r.status, kExitUnusable);
    EXPECT_NE(r.err.find("nowhere.txt"), std::string::npos);
    r = run({"--phone", kMini, "--text", "\xCE\xA9"}); // Omega has no Windows-1252 code
    EXPECT_EQ(r.status, kExitUnusable);
    // The phone is checked before the arguments that depend on it.
    r = run({"--phone", kData + "/missing.bsd", "--paragraphs", "--text", "a"});
    EXPECT_EQ(r.status, kExitUnusable);
}

TEST(RenderCli, DrawsThePngAsTheWindowDoes) {
    const CliRun r = run({"--phone", kMini, "--text", "B", "--format", "png"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(r.out.data()),
                                   static_cast<int>(r.out.size()), "PNG"));
    // 24 x 10 display pixels at 46.2 x 51.02 twips, 15 twips per screen pixel.
    EXPECT_EQ(image.size(), QSize(74, 34));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0xAA, 0xAA, 0xAA));
    // B's top-left pixel (1, 1) sits at (3.08, 3.40) on screen, a 2 x 2 dot.
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(4, 4), QColor(0xAA, 0xAA, 0xAA)) << "a gap between dots";
}
