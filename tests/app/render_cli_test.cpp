#include "render_cli.h"
#include "temp_dir.h"

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

using namespace smssim;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

const std::string kData = SMSSIM_TEST_DATA;
const std::string kMini = kData + "/phones/mini.bsd";
const std::string kNoWrap = kData + "/phones/mini-nowrap.bsd";
const std::string kPhones = SMSSIM_PHONES_DIR;

struct CliRun {
    ExitStatus status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args, bool terminal = false) {
    std::ostringstream out, err;
    const int status = runRenderCommand(args, "", terminal, out, err);
    return {ExitStatus{status}, out.str(), err.str()};
}

} // namespace

// SMSSIM_UPDATE_GOLDEN=1 rewrites the expected files; review the diff before committing.
TEST(RenderCli, WritesTheGoldenOutputs) {
    const std::pair<const char*, std::vector<std::string>> golden[] = {
        {"empty", {"--phone", kMini, "--text", ""}},
        {"help", {"--help"}},
        {"word-wrap-ascii", {"--phone", kMini, "--text", "AAA AAA BC.", "--format", "ascii"}},
        {"word-wrap-dots", {"--phone", kMini, "--text", "AAA A. C"}},
        {"glyph-wrap-ascii", {"--phone", kNoWrap, "--text", "AAA AAA BC.", "--format", "ascii"}},
        {"paragraphs-ascii",
         {"--phone", kMini, "--paragraphs", "--text", "AB\nC.\n\xC3\xA4", "--format", "ascii"}},
        {"picture-2-dots",
         {"--phone", kMini, "--paragraphs", "--picture", "2", "--text", "A\nB\nC\nA\nB"}},
        {"picture-3-ascii",
         {"--phone", kMini, "--paragraphs", "--picture", "3", "--max-length", "10", "--text",
          "A\nB\nC\nA\nB.", "--format", "ascii"}},
        {"nokia-5110-json",
         {"--phone", kPhones + "/Nokia 5110.bsd", "--format", "json", "--text",
          "Hallo Anna, wir treffen uns im Caf\u00e9 \u00e2 la carte um 8. Bring den Schirm mit! "
          "10 \u20ac f\u00fcr dich."}},
        {"kommunikator-9000-json",
         {"--phone", kPhones + "/Kommunikator 9000.bsd", "--paragraphs", "--picture", "2",
          "--format", "json", "--text", "Termine {Mo} [Di]\n\n~ 18 Uhr |\tBen\n\n1.\n2.\n3.\n"}},
        {"picture-2-xbm",
         {"--phone", kMini, "--paragraphs", "--picture", "2", "--text", "A\nB\nC", "--format",
          "xbm", "--name", "mini_2"}},
        {"nokia-5110-c-rows",
         {"--phone", kPhones + "/Nokia 5110.bsd", "--format", "c", "--bytes", "rows", "--text",
          std::string(100, 'W') + " Gr\u00fc\u00dfe"}},
        {"nokia-5110-smart-json",
         {"--phone", kPhones + "/Nokia 5110.bsd", "--format", "json", "--smart", "--national",
          "es,tr,pt", "--text",
          "Ol\u00e1! \u201ESalada\u201C \u2013 5 \u20ac\n\nAt\u00e9 j\u00e1\u2026"}},
        {"klassik-2000-json",
         {"--phone", kPhones + "/Klassik 2000.bsd", "--format", "json", "--max-length", "200",
          "--text", std::string(150, 'x') + " Gr\u00fc\u00dfe^{Ben}"}}};
    for (const auto& [name, args] : golden) {
        const CliRun r = run(args);
        ASSERT_EQ(r.status, ExitStatus::Ok) << r.err;
        const std::string path = kData + "/golden/" + name + ".txt";
        if (std::getenv("SMSSIM_UPDATE_GOLDEN"))
            std::ofstream(path, std::ios::binary) << r.out;
        EXPECT_EQ(r.out, test::bytesOf(path)) << name;
    }
    // Each picture of a folder is the picture --picture selects.
    const test::TempDir dir;
    ASSERT_EQ(run({"--phone", kMini, "--paragraphs", "--text", "A\nB\nC", "--format", "xbm",
                   "--name", "mini_2", "--all-pictures", "--out", dir / "bilder"})
                  .status,
              ExitStatus::Ok);
    EXPECT_EQ(test::bytesOf(dir / "bilder/bild-002.xbm"),
              test::bytesOf(kData + "/golden/picture-2-xbm.txt"));
    // The C header is C99 as it stands.
    const std::string c = kData + "/golden/nokia-5110-c-rows.txt";
    EXPECT_EQ(std::system(("gcc -std=c99 -pedantic-errors -fsyntax-only -x c '" + c + "'").c_str()),
              0);
}

// Status 2 for wrong arguments, 1 for a file or text it cannot use, 3 beyond --max-parts
// after printing; the reason in one line on stderr.
TEST(RenderCli, ExitsWithItsStatusAndOneLineOfReason) {
    const std::string text = "A\nB\nC\nA\nB."; // three pictures on mini.bsd
    const std::string twoParts = "die Nachricht braucht 2 SMS, --max-parts erlaubt 1";
    std::string crLf160;
    for (int i = 0; i < 160; ++i)
        crLf160 += "\r\n";
    const std::string quoted = "\u201C" + std::string(159, 'a');  // forces UCS-2: 3 parts
    const std::string accented = "\u00e1" + std::string(70, 'a'); // 2 parts, 1 in Spanish
    // clang-format off
    const std::tuple<ExitStatus, std::vector<std::string>, std::string> rows[] = {
        {ExitStatus::Usage, {"--phone", kMini}, "die Nachricht fehlt"},
        {ExitStatus::Usage, {"--text", "a", "-x"}, "unbekannte Option „-x“"},
        {ExitStatus::Usage, {"--text", "a", "--picture", "0"}, "--picture braucht eine ganze Zahl ab 1, nicht „0“"},
        {ExitStatus::Usage, {"--text", "a", "--picture", "1.5"}, "„1.5“"},
        {ExitStatus::Usage, {"--text", "a", "--max-length", "-1"}, "--max-length"},
        {ExitStatus::Usage, {"--text", "a", "--format", "bmp"}, "unbekanntes Format „bmp“"},
        {ExitStatus::Usage, {"--text", "a", "--max-parts", "-1"}, "--max-parts"},
        {ExitStatus::Usage, {"--text", "a", "--text-file", "b"}, "nur eines von"},
        {ExitStatus::Usage, {"--text"}, "--text braucht einen Wert (--text TEXT)"},
        {ExitStatus::Usage, {"--text=a", "--paragraphs=ja"}, "--paragraphs nimmt keinen Wert"},
        {ExitStatus::Usage, {"--phone", kNoWrap, "--paragraphs", "--text", "a"}, "erlaubt keine Absätze"},
        {ExitStatus::Usage, {"--picture", "2", "--text", ""}, "Bild 2 gibt es nicht: die Nachricht hat 1 Bild ("},
        {ExitStatus::Usage, {"--paragraphs", "--picture", "4", "--text", text}, "hat 3 Bilder"},
        {ExitStatus::Usage, {"--text", "a", "--format", "gif"}, "brauchen --out DATEI"},
        {ExitStatus::Usage, {"--text", "a", "--format", "sheet"}, "--out"},
        {ExitStatus::Usage, {"--text", "a", "--format", "png", "--all-pictures"}, "--all-pictures braucht --out"},
        {ExitStatus::Usage, {"--text", "a", "--format", "ascii", "--out", "x", "--all-pictures"}, "--format png, xbm oder pbm"},
        {ExitStatus::Usage, {"--text", "a", "--scale", "9"}, "--scale braucht eine ganze Zahl von 1 bis 8, nicht „9“"},
        {ExitStatus::Usage, {"--text", "a", "--delay", "9"}, "--delay"},
        {ExitStatus::Usage, {"--text", "a", "--columns", "0"}, "--columns"},
        {ExitStatus::Usage, {"--text", "B", "--format", "png"}, "--format png schreibt ein Bild"}, // to a terminal
        {ExitStatus::Usage, {"--text", "B", "--format", "pbm"}, "--format pbm schreibt ein Bild"},
        {ExitStatus::Usage, {"--text", "B", "--format", "xbm", "--name", "1x"}, "--name braucht einen Namen aus Buchstaben, Ziffern und _, der nicht mit einer Ziffer beginnt, nicht „1x“"},
        {ExitStatus::Usage, {"--text", "B", "--format", "c", "--bytes", "cols"}, "--bytes braucht pages oder rows, nicht „cols“"},
        {ExitStatus::Unusable, {"--phone", kData + "/hardening/code-256.bsd", "--text", "a"}, "code-256.bsd"},
        {ExitStatus::Unusable, {"--text-file", kData + "/nowhere.txt"}, "nowhere.txt“ kann nicht gelesen werden. Die Datei wurde nicht gefunden.\n"},
        {ExitStatus::Unusable, {"--text", "\xCE\xA9"}, "kein UTF-8"}, // Omega has no Windows-1252 code
        {ExitStatus::Unusable, {"--text-file", kMini}, "die Textdatei „" + kMini + "“ ist kein UTF-8"},
        {ExitStatus::Unusable, {"--text", "B", "--format", "gif", "--out", kData}, "Das ist ein Ordner"},
        {ExitStatus::Unusable, {"--message", kData + "/golden/empty.txt"}, "(eine Textdatei? dann --text-file)\n"},
        {ExitStatus::Unusable, {"--message", kData + "/hardening/code-256.n51"}, "liegt nicht zwischen 0 und 255.\n"},
        // The phone is checked before the arguments that depend on it.
        {ExitStatus::Unusable, {"--phone", kData + "/missing.bsd", "--paragraphs", "--text", "a"}, "missing.bsd"},
        {ExitStatus::Ok, {"--text", std::string(160, 'a'), "--max-parts", "1"}, ""},
        {ExitStatus::TooManyParts, {"--text", std::string(161, 'a'), "--max-parts", "1"}, twoParts},
        {ExitStatus::Ok, {"--text", "", "--max-parts", "0"}, ""},
        {ExitStatus::Ok, {"--text", crLf160, "--max-parts", "1"}, ""}, // a CR LF costs one LF
        {ExitStatus::TooManyParts, {"--text", quoted, "--max-parts", "2"}, "braucht 3 SMS"},
        {ExitStatus::Ok, {"--text", quoted, "--max-parts", "1", "--smart"}, ""},
        {ExitStatus::TooManyParts, {"--text", accented, "--max-parts", "1", "--national", "tr"}, "braucht 2 SMS"},
        {ExitStatus::Ok, {"--text", accented, "--max-parts", "1", "--national", "pt,es"}, ""},
        {ExitStatus::Usage, {"--text", "a", "--national", ""}, "--national braucht es, pt oder tr, jede höchstens einmal und durch Kommas getrennt, nicht „“"},
        {ExitStatus::Usage, {"--text", "a", "--national", "es,de"}, "nicht „es,de“"},
        {ExitStatus::Usage, {"--text", "a", "--national", "tr,pt,"}, "--national"},
        {ExitStatus::Usage, {"--text", "a", "--national", "es,pt,es"}, "--national"},
        {ExitStatus::Ok, {"--text", "a", "--delay", "10"}, ""}};
    // clang-format on
    for (auto [status, args, reason] : rows) {
        SCOPED_TRACE(reason);
        if (args.front() != "--phone")
            args.insert(args.begin(), {"--phone", kMini});
        const CliRun r = run(args, true);
        EXPECT_EQ(r.status, status) << r.err;
        EXPECT_EQ(r.out.starts_with("Bildanzahl: "),
                  status == ExitStatus::Ok || status == ExitStatus::TooManyParts)
            << "printed first";
        EXPECT_EQ(r.err.empty(), reason.empty()) << r.err;
        if (reason.empty())
            continue;
        EXPECT_THAT(r.err, StartsWith("smssim-render: "));
        EXPECT_THAT(r.err, HasSubstr(reason));
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.ends_with(" (siehe --help)\n"), status == ExitStatus::Usage) << r.err;
    }
}

TEST(RenderCli, DrawsThePngAsTheWindowDoes) {
    const CliRun r = run({"--phone", kMini, "--text", "B", "--format", "png"});
    ASSERT_EQ(r.status, ExitStatus::Ok) << r.err;
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(r.out.data()),
                                   static_cast<int>(r.out.size()), "PNG"));
    // 24 x 10 display pixels at 46.2 x 51.02 twips, 15 twips per screen pixel.
    EXPECT_EQ(image.size(), QSize(74, 34));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0xAA, 0xAA, 0xAA));
    // B's top-left pixel (1, 1) sits at (3.08, 3.40) on screen, a 2 x 2 dot.
    EXPECT_EQ(std::pair(image.pixelColor(2, 2), image.pixelColor(3, 3)),
              std::pair(QColor(Qt::black), QColor(Qt::black)));
    EXPECT_EQ(image.pixelColor(4, 4), QColor(0xAA, 0xAA, 0xAA)) << "a gap between dots";
}
