#pragma once
// Windows-1252, the code page of phone definitions and message files. Every byte has a
// character: the five bytes Windows-1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the C1 control characters of the same number, as Windows maps them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace smssim {

char32_t cp1252ToUnicode(std::uint8_t code);
std::optional<std::uint8_t> unicodeToCp1252(char32_t c);

// Windows-1252 bytes to UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 bytes; nullopt for invalid UTF-8 or a character the code page
// cannot hold.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// A field of a file as error texts show it, in „ “ and as UTF-8: cut after
// kShownFieldLength characters (marked "…") so a huge field cannot swell a message box,
// and control characters as their visible symbols (U+2400 + code: ␀, ␉, ␊, ␍).
inline constexpr std::size_t kShownFieldLength = 40;
std::string quotedForDisplay(std::string_view cp1252);

} // namespace smssim
