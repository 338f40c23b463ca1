#pragma once
// The counter of letters left: the maximum message length the user types, and how many
// letters the message leaves of it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace smssim {

// The maximum message length until the user types another: one SMS.
inline constexpr int kDefaultMaxLength = 160;

// The maximum message length typed by the user: a whole or fractional number
// 0..2147483647. nullopt while it holds no valid number.
std::optional<double> parseMaximum(std::string_view text);

// The letters-left text: maximum - length, as shortest decimal text.
std::string lettersLeftText(double maximum, std::size_t length);

} // namespace smssim
