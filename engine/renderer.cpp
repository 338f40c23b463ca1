#include "renderer.h"

#include "line_ends.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace smssim {

namespace {

constexpr std::uint8_t kSpace = 32;

std::uint8_t codeAt(std::string_view text, std::size_t i) {
    return static_cast<std::uint8_t>(text[i]);
}

// Width of the word after the space at `i`: up to the next space or CR (not LF).
std::int64_t wordWidth(const Module1& s, std::string_view text, std::size_t i) {
    std::int64_t width = 0;
    for (std::size_t j = i + 1; j < text.size(); ++j) {
        const std::uint8_t c = codeAt(text, j);
        if (c == kSpace || c == kCr)
            break;
        width += s.Zeichen[c].Breite;
    }
    return width;
}

std::int32_t toY(double y) {
    const double r = roundHalfEven(y);
    if (r < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

struct LayoutEnd {
    std::int64_t posX;
    float posY;
};

// The one layout of the message; `sink` hears of every line break and every character
// with where it goes, so drawing and line texts share each decision.
template <class Sink>
LayoutEnd layOut(const Module1& s, std::string_view text, float posY, Sink& sink) {
    // 64-bit while laying out: a long line of wide glyphs must not wrap around.
    std::int64_t posX = 0;
    const auto newLine = [&] {
        posY = nextLine(posY, s.Zeilenhoehe);
        sink.lineBreak(posY);
    };
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n && !sink.finished(); ++i) {
        const std::uint8_t ch = codeAt(text, i);
        const std::int64_t w = s.Zeichen[ch].Breite;
        // A CR at the very end never breaks.
        if (s.Absaetze && crLfAt(text, i)) {
            newLine();
            posX = 0;
        }
        if (s.Zeilensprung && ch == kSpace) {
            // The word and the space before it: at least 3, so phones whose space is
            // narrower wrap where they always have, and a wider space is counted whole so
            // that a word that fits is never cut by the glyph test.
            const std::int64_t word =
                wordWidth(s, text, i) + std::max<std::int64_t>(3, s.Zeichen[kSpace].Breite);
            if (static_cast<double>(posX + word) > s.Zeilenbreite) {
                newLine();
                // The space is laid out before the left edge so the word starts at 0.
                posX = -s.Zeichen[kSpace].Breite;
            }
        }
        if (static_cast<double>(posX + w) > s.Zeilenbreite) {
            newLine();
            posX = 0;
        }
        sink.glyph(ch, posX, posY);
        posX += w;
    }
    return {posX, posY};
}

class DrawingSink {
  public:
    DrawingSink(const Module1& s, DisplaySurface& surface) : s_(s), surface_(surface) {}
    void lineBreak(float) {}
    static constexpr bool finished() { return false; } // the whole layout counts the pictures
    void glyph(std::uint8_t code, std::int64_t x, float y) {
        if (lineOnPicture(y, s_.Bildhoehe))
            ZeichenZeichnen(s_, static_cast<std::int32_t>(x), y, code, surface_);
    }

  private:
    const Module1& s_;
    DisplaySurface& surface_;
};

class ObserverSink {
  public:
    explicit ObserverSink(LayoutObserver& observer) : observer_(observer) {}
    void lineBreak(float top) { observer_.lineBreak(top); }
    bool finished() const { return observer_.finished(); }
    void glyph(std::uint8_t code, std::int64_t x, float top) { observer_.glyph(code, x, top); }

  private:
    LayoutObserver& observer_;
};

} // namespace

float nextLine(float posY, double zeilenhoehe) {
    return static_cast<float>(static_cast<double>(posY) + zeilenhoehe);
}

bool lineOnPicture(float posY, double bildhoehe) {
    return posY >= 0 && static_cast<double>(posY) < bildhoehe;
}

RenderResult DisplayZeichnen(Module1& s, std::string_view text, DisplaySurface& surface) {
    surface.setBackColor(s.Hintergrundfarbe);
    DrawingSink sink(s, surface);
    const auto [posX, posY] = layOut(s, text, static_cast<float>(s.Bildversatz), sink);
    s.PosX = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        posX, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    s.PosY = posY;
    const float distance = posY - static_cast<float>(s.Bildversatz);
    const double pictures = std::trunc(static_cast<double>(distance) / s.Bildhoehe) + 1;
    s.Bildanzahl = static_cast<std::int32_t>(
        std::clamp(pictures, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                   static_cast<double>(std::numeric_limits<std::int32_t>::max())));
    return {s.Bildanzahl, text.size()};
}

void layOutMessage(const Module1& state, std::string_view text, std::int32_t bildversatz,
                   LayoutObserver& observer) {
    ObserverSink sink(observer);
    layOut(state, text, static_cast<float>(bildversatz), sink);
}

void ZeichenZeichnen(const Module1& s, std::int32_t x, float y, std::uint8_t code,
                     DisplaySurface& surface) {
    const ZeichenTyp& glyph = s.Zeichen[code];
    for (int c = 1; c <= glyph.Breite; ++c)
        for (int r = 1; r <= glyph.Hoehe; ++r)
            if (glyph.punkt(r, c) != 0)
                PunktZeichnen(static_cast<double>(x) + c, toY(static_cast<double>(y) + r), surface);
}

void PunktZeichnen(double x, std::int32_t y, DisplaySurface& surface) {
    surface.setDrawWidth(2);
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    surface.line(fx, fy, fx, fy, 0);
}

void Bildtest(const Module1& s, DisplaySurface& surface) {
    surface.setDrawWidth(1);
    // Lines past the display's edge would only be clipped: stop there.
    const double right = std::min(s.Zeilenbreite, s.Displaybreite + 1);
    const double bottom = std::min(s.Bildhoehe, s.Displayhoehe + 1);
    for (double x = 0; x <= right; x += 1)
        for (double y = 0; y <= bottom; y += 1)
            surface.line(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + 1),
                         static_cast<float>(y + 1), 0);
}

std::int32_t bildversatzFuer(double bildNummer, double bildhoehe) {
    return toY(-((bildNummer - 1) * bildhoehe));
}

} // namespace smssim
