#pragma once
// Pieces of generated C source that every writer of C files shares, so that nothing a
// phone name or a text holds can break the file: names are checked, texts go only into
// comments made safe, bytes are written as numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace smssim {

// A C identifier: a letter or '_', then letters, digits and '_' (ASCII only), and no
// keyword of C or C++.
bool isCIdentifier(std::string_view name);

// Why `name` cannot name generated C (German), or nothing when it can.
std::optional<std::string> cNameProblem(std::string_view name);

// The name in upper case, for the macros of a header (ASCII letters only).
std::string upperCase(std::string_view name);

// "0x1f".
std::string hexByte(std::uint8_t byte);

// The bytes as C initialiser items, twelve to a line, each line indented by `indent`.
std::string byteList(const std::vector<std::uint8_t>& bytes, std::string_view indent);

// A UTF-8 text (a phone's name, as the state keeps it) as the inside of a /* */ comment:
// on one line, without anything that ends the comment early or starts one inside it (a
// warning of -Wcomment).
std::string commentText(std::string_view utf8Text);

} // namespace smssim
