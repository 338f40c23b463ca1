#include "sms_check.h"
#include "line_ends.h"

#include "cp1252.h"

#include <optional>

namespace smssim {

namespace {

// The default alphabet less its escape and the ten Greek capitals Windows-1252 lacks.
constexpr std::string_view kDefaultAlphabet =
    "@£$¥èéùìòÇ\nØø\rÅå_ÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà";
// The extension table: form feed (page break) and nine printable characters.
constexpr std::string_view kExtension = "\f^{}\\[~]|€";

// Windows-1252 characters that force UCS-2, by the GSM look-alike each becomes.
constexpr std::pair<std::string_view, std::string_view> kLookAlikes[] = {
    {"\x84\x93\x94\xAB\xBB", "\""},
    {"\x82\x91\x92\xB4\x60", "'"},
    {"\x96\x97\x95", "-"},
    {"\x85", "..."},
    {"\x8B", "<"},
    {"\x9B", ">"},
    {"\x88", "^"},
    {"\x98", "~"},
    {"\xBC", "1/4"},
    {"\xBD", "1/2"},
    {"\xBE", "3/4"},
    {"\xF7", "/"},
    {"\xA0", " "}};

// Per character, bit n set where the table of national language n holds it (bit 0: the
// default alphabet and its extension table).
struct SeptetTables {
    std::array<std::uint8_t, 256> locking{};
    std::array<std::uint8_t, 256> single{};
};

void mark(std::array<std::uint8_t, 256>& table, std::string_view cp1252, int language) {
    for (const char c : cp1252)
        table[static_cast<std::uint8_t>(c)] |= static_cast<std::uint8_t>(1u << language);
}

SeptetTables makeSeptetTables() {
    SeptetTables tables;
    mark(tables.locking, gsm7DefaultAlphabet(), 0);
    mark(tables.single, utf8ToCp1252(kExtension).value(), 0);
    for (const NationalTable& national : nationalTables()) {
        std::string held;
        for (std::size_t septet = 0; septet < national.septets.size(); ++septet) {
            // The escape of a locking table is no character.
            if (septet == 0x1B || national.septets[septet] == 0)
                continue;
            if (const auto code = unicodeToCp1252(national.septets[septet]))
                held += static_cast<char>(*code);
        }
        mark(national.locking ? tables.locking : tables.single, held, national.language);
    }
    return tables;
}

const SeptetTables& septetTables() {
    static const SeptetTables tables = makeSeptetTables();
    return tables;
}

struct TablePair {
    int locking;
    int single;
};

// 1 in the locking table, 2 (escape and code) in the single shift table, 0 in neither.
int septetsIn(const SeptetTables& tables, std::uint8_t code, TablePair pair) {
    if ((tables.locking[code] >> pair.locking) & 1u)
        return 1;
    return ((tables.single[code] >> pair.single) & 1u) ? 2 : 0;
}

// Septets beside a user data header of `octets` (its length octet included), which is
// padded to whole septets: 160 without a header, 153 with the concatenation element.
constexpr std::int64_t septetsBeside(int octets) {
    return kSingleGsm7 - (octets * 8 + 6) / 7;
}

constexpr int kLengthOctet = 1;
constexpr int kConcatenationOctets = 5;
constexpr int kShiftElementOctets = 3;

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

// What a message costs in the tables of `pair`, which holds all its characters; an escape
// pair that would straddle two parts moves whole into the next one.
SmsCost gsm7Cost(std::string_view text, TablePair pair, std::int64_t units, bool shifted) {
    const int shiftOctets =
        kShiftElementOctets * ((pair.locking != 0 ? 1 : 0) + (pair.single != 0 ? 1 : 0));
    SmsCost cost{SmsEncoding::Gsm7, units, units > 0 ? 1 : 0, 0, {}, 0, pair.locking, pair.single};
    const std::int64_t single = septetsBeside(shiftOctets > 0 ? kLengthOctet + shiftOctets : 0);
    if (units <= single) {
        cost.unitsLeft = single - units;
        return cost;
    }
    const std::int64_t part = septetsBeside(kLengthOctet + kConcatenationOctets + shiftOctets);
    if (!shifted) {
        cost.parts = (units + part - 1) / part;
        cost.unitsLeft = cost.parts * part - units;
        return cost;
    }
    const SeptetTables& tables = septetTables();
    std::int64_t filled = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (crLfAt(text, i))
            continue;
        const int septets = septetsIn(tables, static_cast<std::uint8_t>(text[i]), pair);
        if (filled + septets > part) {
            ++cost.parts;
            filled = 0;
        }
        filled += septets;
    }
    cost.unitsLeft = part - filled;
    return cost;
}

} // namespace

const std::string& gsm7DefaultAlphabet() {
    static const std::string alphabet = utf8ToCp1252(kDefaultAlphabet).value();
    return alphabet;
}

int gsm7Septets(std::uint8_t code) {
    return septetsIn(septetTables(), code, {0, 0});
}

namespace {

// How often each character stands in a message, and its characters once each in order of
// first appearance; a CR LF counts as one line break, not as characters.
struct Census {
    std::array<std::int64_t, 256> count{};
    std::string distinct;
    std::int64_t lineBreaks = 0;
};

Census census(std::string_view text) {
    Census c;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (crLfAt(text, i)) {
            ++c.lineBreaks;
            continue;
        }
        if (c.count[static_cast<std::uint8_t>(text[i])]++ == 0)
            c.distinct += text[i];
    }
    return c;
}

// Every pair of enabled tables that holds each character, tried on the distinct
// characters: the fewest parts, then the most septets left; on a tie the first pair.
std::optional<SmsCost> cheapestGsm7(std::string_view text, const Census& c,
                                    NationalLanguages languages) {
    const SeptetTables& tables = septetTables();
    std::optional<SmsCost> best;
    for (const int locking : {0, kTurkish, kPortuguese}) {
        for (const int single : {0, kTurkish, kSpanish, kPortuguese}) {
            if ((locking != 0 && !languages.has(locking)) ||
                (single != 0 && !languages.has(single)))
                continue;
            std::int64_t septets = 0;
            bool shifted = false;
            bool encodes = true;
            for (const char ch : c.distinct) {
                const auto code = static_cast<std::uint8_t>(ch);
                const int n = septetsIn(tables, code, {locking, single});
                encodes = encodes && n > 0;
                shifted = shifted || n == 2;
                septets += n * c.count[code];
            }
            if (!encodes)
                continue;
            SmsCost cost = gsm7Cost(text, {locking, single}, septets, shifted);
            if (!best || cost.parts < best->parts ||
                (cost.parts == best->parts && cost.unitsLeft > best->unitsLeft))
                best = std::move(cost);
        }
    }
    return best;
}

// The characters that no enabled table holds; when each is in some table but no pair
// holds them all, those the default tables lack.
std::string forcingUcs2(std::string_view distinct, NationalLanguages languages) {
    const SeptetTables& tables = septetTables();
    std::uint8_t enabled = 1;
    for (int language = 1; language < kLanguageCount; ++language)
        if (languages.has(language))
            enabled = static_cast<std::uint8_t>(enabled | (1u << language));
    std::string forcing;
    for (const char c : distinct) {
        const auto code = static_cast<std::uint8_t>(c);
        if (((tables.locking[code] | tables.single[code]) & enabled) == 0)
            forcing += c;
    }
    if (forcing.empty())
        for (const char c : distinct)
            if (gsm7Septets(static_cast<std::uint8_t>(c)) == 0)
                forcing += c;
    return forcing;
}

} // namespace

SmsCost smsCost(std::string_view text, NationalLanguages languages) {
    // One pass over the message; the pairs are then tried on its distinct characters.
    const Census c = census(text);
    std::optional<SmsCost> best = cheapestGsm7(text, c, languages);
    SmsCost cost = best ? std::move(*best)
                        : ucs2Cost(static_cast<std::int64_t>(text.size()) - c.lineBreaks,
                                   forcingUcs2(c.distinct, languages));
    cost.lineBreaks = c.lineBreaks;
    return cost;
}

std::string_view lookAlike(std::uint8_t code) {
    static const std::array<std::string_view, 256> table = [] {
        std::array<std::string_view, 256> t{};
        for (const auto& [from, to] : kLookAlikes)
            for (const char c : from)
                t[static_cast<std::uint8_t>(c)] = to;
        return t;
    }();
    return table[code];
}

SmartReplacement smartReplacement(std::string_view text, NationalLanguages languages) {
    SmartReplacement result;
    result.text.reserve(text.size());
    OncePerCharacter once;
    for (const char c : text) {
        const std::string_view to = lookAlike(static_cast<std::uint8_t>(c));
        if (to.empty()) {
            result.text += c;
        } else {
            result.text += to;
            once.add(result.replaced, c);
        }
    }
    result.cost = smsCost(result.text, languages);
    return result;
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
