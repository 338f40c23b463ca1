#include "sms_check.h"
#include "line_ends.h"

#include "cp1252.h"
#include "renderer.h"

namespace smssim {

namespace {

// The default alphabet less its escape and the ten Greek capitals Windows-1252 lacks.
constexpr std::string_view kDefaultAlphabet =
    "@£$¥èéùìòÇ\nØø\rÅå_ÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà";
// The extension table: form feed (page break) and nine printable characters.
constexpr std::string_view kExtension = "\f^{}\\[~]|€";

using SeptetTable = std::array<std::uint8_t, 256>;

SeptetTable makeSeptetTable() {
    SeptetTable table{};
    const std::string& single = gsm7DefaultAlphabet();
    const std::string extension = utf8ToCp1252(kExtension).value();
    for (const char c : single)
        table[static_cast<std::uint8_t>(c)] = 1;
    for (const char c : extension)
        table[static_cast<std::uint8_t>(c)] = 2;
    return table;
}

// Appends each character once, in order of first appearance.
class OncePerCharacter {
  public:
    void add(std::string& list, char c) {
        auto& seen = seen_[static_cast<std::uint8_t>(c)];
        if (!seen)
            list += c;
        seen = true;
    }

  private:
    std::array<bool, 256> seen_{};
};

SmsCost ucs2Cost(std::int64_t units, std::string forcing) {
    SmsCost cost{SmsEncoding::Ucs2, units, 1, kSingleUcs2 - units, std::move(forcing)};
    if (units > kSingleUcs2) {
        cost.parts = (units + kPartUcs2 - 1) / kPartUcs2;
        cost.unitsLeft = cost.parts * kPartUcs2 - units;
    }
    return cost;
}

// Fills parts of 153 septets; an extension character that would straddle two parts
// moves whole into the next one.
SmsCost gsm7Cost(std::string_view text, std::int64_t units) {
    if (units <= kSingleGsm7)
        return {SmsEncoding::Gsm7, units, units > 0 ? 1 : 0, kSingleGsm7 - units, {}};
    std::int64_t parts = 1;
    std::int64_t filled = 0;
    for (const char c : text) {
        const int septets = gsm7Septets(static_cast<std::uint8_t>(c));
        if (filled + septets > kPartGsm7) {
            ++parts;
            filled = 0;
        }
        filled += septets;
    }
    return {SmsEncoding::Gsm7, units, parts, kPartGsm7 - filled, {}};
}

// The lines in layout order; line breaks do not depend on Bildversatz.
class LineCollector : public LayoutObserver {
  public:
    std::vector<std::string> lines{1};
    void lineBreak() override { lines.emplace_back(); }
    void glyph(std::uint8_t code, std::int64_t x) override {
        if (code != kCr && code != kLf && x >= 0)
            lines.back() += static_cast<char>(code);
    }
};

// Only the line tops depend on the picture: they are counted from its own Bildversatz
// as the layout counts them, since float steps from another start may round otherwise.
void appendPicture(std::vector<DisplayLine>& out, const Module1& s,
                   const std::vector<std::string>& lines, std::int32_t picture) {
    float top = static_cast<float>(bildversatzFuer(picture, s.Bildhoehe));
    for (const std::string& line : lines) {
        if (lineOnPicture(top, s.Bildhoehe))
            out.push_back({picture, line});
        else if (s.Zeilenhoehe > 0 && static_cast<double>(top) >= s.Bildhoehe)
            return; // tops only grow: every later line lies below this picture
        top = nextLine(top, s.Zeilenhoehe);
    }
}

} // namespace

const std::string& gsm7DefaultAlphabet() {
    static const std::string alphabet = utf8ToCp1252(kDefaultAlphabet).value();
    return alphabet;
}

int gsm7Septets(std::uint8_t code) {
    static const SeptetTable table = makeSeptetTable();
    return table[code];
}

SmsCost smsCost(std::string_view text) {
    std::string forcing;
    OncePerCharacter once;
    std::int64_t septets = 0;
    for (const char c : text) {
        const int n = gsm7Septets(static_cast<std::uint8_t>(c));
        if (n == 0)
            once.add(forcing, c);
        septets += n;
    }
    if (!forcing.empty())
        return ucs2Cost(static_cast<std::int64_t>(text.size()), std::move(forcing));
    return gsm7Cost(text, septets);
}

GlyphKinds glyphKinds(const PhoneLists& lists) {
    GlyphKinds kinds{};
    for (const char c : lists.verfuegbar)
        kinds[static_cast<std::uint8_t>(c)] = GlyphKind::Available;
    for (const char c : lists.sonder)
        kinds[static_cast<std::uint8_t>(c)] = GlyphKind::Special;
    return kinds;
}

GlyphFindings glyphFindings(std::string_view text, const GlyphKinds& kinds) {
    GlyphFindings found;
    OncePerCharacter once;
    for (const char c : text) {
        const auto code = static_cast<std::uint8_t>(c);
        if (kinds[code] == GlyphKind::Special)
            once.add(found.specialCharacters, c);
        else if (kinds[code] == GlyphKind::Undefined && code != kCr && code != kLf)
            once.add(found.withoutGlyph, c);
    }
    return found;
}

namespace {

// One layout; the lines of pictures first .. last.
std::vector<DisplayLine> linesOfPictures(const Module1& state, std::string_view text,
                                         std::int64_t first, std::int64_t last) {
    LineCollector collector;
    layOutMessage(state, text, collector);
    std::vector<DisplayLine> out;
    for (std::int64_t picture = first; picture <= last; ++picture)
        appendPicture(out, state, collector.lines, static_cast<std::int32_t>(picture));
    return out;
}

} // namespace

std::vector<DisplayLine> displayLines(const Module1& state, std::string_view text,
                                      std::int32_t pictures) {
    return linesOfPictures(state, text, 1, pictures);
}

std::vector<DisplayLine> pictureLines(const Module1& state, std::string_view text,
                                      std::int32_t picture) {
    return linesOfPictures(state, text, picture, picture);
}

} // namespace smssim
