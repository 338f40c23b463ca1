#include "sms_check.h"
#include "line_ends.h"

#include "cp1252.h"

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

} // namespace smssim
