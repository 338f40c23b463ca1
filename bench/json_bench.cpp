// The JSON report of smssim-render (SMS cost, glyph findings, every line of every picture)
// for messages of the usual and of the largest length.

#include "letters_left.h"
#include "render_cli.h"
#include "sms_check.h"

#include "sample_text.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void jsonReport(benchmark::State& state) {
    smssim::Module1 s;
    const auto loaded = smssim::ZeichensatzLaden(s, SMSSIM_PHONES_DIR "/Nokia 5110.bsd");
    if (!loaded) {
        state.SkipWithError("cannot load the default phone");
        return;
    }
    // A character without a GSM code makes it UCS-2, as a message with "â" is.
    const std::string text = sampleText(static_cast<std::size_t>(state.range(0)) - 1) + "\xE2";
    for (auto _ : state) {
        auto json = smssim::jsonReport(s, *loaded, text, smssim::kDefaultMaxLength);
        benchmark::DoNotOptimize(json);
    }
}

// The SMS cost alone with every national table on: each pair is tried, and the euro and
// á signs make the pairs with a shift table fill their parts one by one.
void smsCostWithNationalTables(benchmark::State& state) {
    std::string text = sampleText(1000);
    for (std::size_t i = 0; i < text.size(); i += 25)
        text[i] = i % 50 == 0 ? '\xE1' : '\x80';
    const smssim::NationalLanguages all{smssim::kTurkish, smssim::kSpanish, smssim::kPortuguese};
    for (auto _ : state) {
        auto cost = smssim::smsCost(text, all);
        benchmark::DoNotOptimize(cost);
    }
}

} // namespace

BENCHMARK(smsCostWithNationalTables)->Unit(benchmark::kMicrosecond);
BENCHMARK(jsonReport)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
