// Layout and drawing of one message, as every keystroke does it.

#include "dot_recorder.h"
#include "phone_loader.h"
#include "renderer.h"

#include "sample_text.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

// Counts dots like a drawing surface would touch them, without keeping them.
class CountingSurface : public smssim::DisplaySurface {
  public:
    long dots = 0;
    void setBackColor(std::int32_t) override {}
    void setDrawWidth(int) override {}
    void line(float, float, float, float, std::int32_t) override { ++dots; }
};

void renderMessage(benchmark::State& state) {
    smssim::Module1 s;
    const auto loaded = smssim::ZeichensatzLaden(s, SMSSIM_PHONES_DIR "/Nokia 5110.bsd");
    if (!loaded) {
        state.SkipWithError("cannot load the default phone");
        return;
    }
    const std::string text = sampleText(static_cast<std::size_t>(state.range(0)));
    CountingSurface surface;
    for (auto _ : state) {
        auto result = smssim::DisplayZeichnen(s, text, surface);
        benchmark::DoNotOptimize(result);
    }
    state.counters["dots"] = static_cast<double>(surface.dots) / state.iterations();
}

} // namespace

BENCHMARK(renderMessage)->Arg(160)->Arg(32767)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
