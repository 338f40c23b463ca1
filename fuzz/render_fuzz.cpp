// A fuzzed phone and a fuzzed message: when the phone is accepted, every picture choice
// and mode must lay the message out without faults, in time, onto any surface.

#include "dot_recorder.h"
#include "fuzz_check.h"
#include "phone_loader.h"
#include "renderer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace smssim;

namespace {

// A 1-bit picture of the display that checks every dot against its bounds, as a real
// surface must clip.
class BitmapSurface : public DisplaySurface {
  public:
    BitmapSurface(int width, int height)
        : width_(width), height_(height), bits_(static_cast<std::size_t>(width * height)) {}

    void setBackColor(std::int32_t) override { std::fill(bits_.begin(), bits_.end(), false); }
    void setDrawWidth(int width) override { FUZZ_CHECK(width == 1 || width == 2); }
    void line(float x1, float y1, float x2, float y2, std::int32_t) override {
        plot(x1, y1);
        plot(x2, y2);
    }

  private:
    void plot(float x, float y) {
        if (!(x >= 0 && y >= 0 && x < static_cast<float>(width_) &&
              y < static_cast<float>(height_)))
            return;
        bits_.at(static_cast<std::size_t>(static_cast<int>(y) * width_ + static_cast<int>(x))) =
            true;
    }

    int width_;
    int height_;
    std::vector<bool> bits_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    const bool absaetze = input.ConsumeBool();
    const bool bildtest = input.ConsumeBool();
    // Mostly the first pictures, sometimes far ones, past the 16-bit range included.
    const double picture = input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(1, 8)
                                               : input.ConsumeIntegral<std::int32_t>();
    const std::string message = input.ConsumeRandomLengthString(4096);
    const std::string phone = input.ConsumeRemainingBytesAsString();

    Module1 state;
    const auto loaded = ZeichensatzLadenAusDaten(state, phone, "fuzz.bsd");
    if (!loaded)
        return 0;
    state.Absaetze = absaetze && loaded->absaetzeErlaubt;
    state.Bildversatz = bildversatzFuer(picture, state.Bildhoehe);

    DotRecorder recorder;
    const RenderResult result = DisplayZeichnen(state, message, recorder);
    FUZZ_CHECK(result.laenge == message.size());
    FUZZ_CHECK(result.bildanzahl == state.Bildanzahl);
    FUZZ_CHECK(recorder.clears == 1);
    FUZZ_CHECK(recorder.dots.size() <= message.size() * 100);
    for (const Dot& dot : recorder.dots)
        FUZZ_CHECK(!std::isnan(dot.x) && !std::isnan(dot.y));

    BitmapSurface bitmap(static_cast<int>(state.Displaybreite + 1),
                         static_cast<int>(state.Displayhoehe + 1));
    DisplayZeichnen(state, message, bitmap);
    if (bildtest)
        Bildtest(state, bitmap);
    return 0;
}
