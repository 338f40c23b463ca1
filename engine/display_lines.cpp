#include "display_lines.h"

#include "line_ends.h"
#include "renderer.h"

namespace smssim {

namespace {

// Collects the lines whose top lies on one picture; the tops come from the layout, since
// float steps counted from another start may round otherwise.
class PictureLines : public LayoutObserver {
  public:
    PictureLines(const Module1& s, std::int32_t picture, std::vector<DisplayLine>& out)
        : s_(s), picture_(picture), out_(out) {}
    void lineBreak(float top) override { startLine(top); }
    void glyph(std::uint8_t code, std::int64_t x, float) override {
        if (onPicture_ && code != kCr && code != kLf && x >= 0)
            out_.back().text += static_cast<char>(code);
    }
    bool finished() const override { return below_; }
    void startLine(float top) {
        onPicture_ = lineOnPicture(top, s_.Bildhoehe);
        if (onPicture_)
            out_.push_back({picture_, {}});
        // Tops only grow: every later line lies below this picture too.
        below_ = s_.Zeilenhoehe > 0 && static_cast<double>(top) >= s_.Bildhoehe;
    }

  private:
    const Module1& s_;
    std::int32_t picture_;
    std::vector<DisplayLine>& out_;
    bool onPicture_ = false;
    bool below_ = false;
};

void appendPicture(const Module1& s, std::string_view text, std::int32_t picture,
                   std::vector<DisplayLine>& out) {
    const std::int32_t bildversatz = bildversatzFuer(picture, s.Bildhoehe);
    PictureLines lines(s, picture, out);
    lines.startLine(static_cast<float>(bildversatz));
    layOutMessage(s, text, bildversatz, lines);
}

} // namespace

std::vector<DisplayLine> pictureLines(const Module1& state, std::string_view text,
                                      std::int32_t picture) {
    std::vector<DisplayLine> out;
    appendPicture(state, text, picture, out);
    return out;
}

std::vector<DisplayLine> displayLines(const Module1& state, std::string_view text,
                                      std::int32_t pictures) {
    std::vector<DisplayLine> out;
    for (std::int32_t picture = 1; picture <= pictures; ++picture)
        appendPicture(state, text, picture, out);
    return out;
}

} // namespace smssim
