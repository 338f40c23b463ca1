#include "cp1252.h"

#include <array>

namespace smssim {

namespace {

// Characters of 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `i`; nullopt for a malformed or overlong one.
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1, c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, c = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + extra >= s.size())
        return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    i += extra + 1;
    return c;
}

} // namespace

char32_t cp1252ToUnicode(std::uint8_t code) {
    return code >= 0x80 && code <= 0x9F ? kHigh[code - 0x80] : code;
}

std::optional<std::uint8_t> unicodeToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<std::uint8_t>(c);
    for (std::size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == c)
            return static_cast<std::uint8_t>(0x80 + k);
    return std::nullopt;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        appendUtf8(out, cp1252ToUnicode(static_cast<std::uint8_t>(b)));
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = nextUtf8(utf8, i);
        if (!c)
            return std::nullopt;
        const auto code = unicodeToCp1252(*c);
        if (!code)
            return std::nullopt;
        out += static_cast<char>(*code);
    }
    return out;
}

std::string quotedForDisplay(std::string_view cp1252) {
    std::string shown = "„";
    for (const char c : cp1252.substr(0, kShownFieldLength)) {
        const auto code = static_cast<std::uint8_t>(c);
        if (code < 0x20)
            shown += {'\xE2', '\x90', static_cast<char>(0x80 + code)};
        else
            shown += cp1252ToUtf8(std::string_view(&c, 1));
    }
    return shown + (cp1252.size() > kShownFieldLength ? "…“" : "“");
}

} // namespace smssim
