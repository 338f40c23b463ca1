// Export of every picture: an animated GIF of 1,000 pictures (goal: 1 s), the contact
// sheet of 100 pictures as PNG (goal: 200 ms) and the C header of 1,000 pictures (goal:
// 100 ms), from the message to the file's bytes.

#include "phone_loader.h"
#include "picture_export.h"

#include "sample_text.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// The shortest sample text that fills `pictures` pictures on the phone.
std::string textOfPictures(const smssim::Module1& phone, std::int32_t pictures) {
    std::size_t low = 1, high = 64;
    while (smssim::PictureFrames(phone, sampleText(high)).count() < pictures)
        high *= 2;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (smssim::PictureFrames(phone, sampleText(mid)).count() < pictures)
            low = mid + 1;
        else
            high = mid;
    }
    return sampleText(low);
}

bool loadPhone(smssim::Module1& s, benchmark::State& state) {
    if (smssim::ZeichensatzLaden(s, SMSSIM_PHONES_DIR "/Nokia 5110.bsd"))
        return true;
    state.SkipWithError("cannot load the default phone");
    return false;
}

// The whole file of one export kind for state.range(0) pictures.
void exportOfPictures(benchmark::State& state, smssim::ExportKind kind) {
    smssim::Module1 s;
    if (!loadPhone(s, state))
        return;
    const auto pictures = static_cast<std::int32_t>(state.range(0));
    const std::string text = textOfPictures(s, pictures);
    for (auto _ : state) {
        smssim::PictureFrames frames(s, text);
        auto bytes = smssim::singleFileBytes(frames, {kind});
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pictures"] = pictures;
}

} // namespace

BENCHMARK_CAPTURE(exportOfPictures, gif, smssim::ExportKind::Gif)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportOfPictures, sheet, smssim::ExportKind::Sheet)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(exportOfPictures, c_header, smssim::ExportKind::CHeader)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
