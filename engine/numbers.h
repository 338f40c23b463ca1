#pragma once
// Number conversions of the message and phone definition formats: decimal text to
// number, whole-number conversions that round half to even, number to shortest text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace smssim {

// Reads a decimal number: optional sign, digits with an optional fraction, optional
// exponent ("12", "-3", "48.5", ".5", "1e3"). Anything else, including surrounding
// blanks, "inf" and "nan", is no number.
std::optional<double> parseNumber(std::string_view text);

// To the nearest whole number, halves to the even one; nullopt outside the range.
std::optional<std::int16_t> toInteger(double value);
std::optional<std::int32_t> toLong(double value);

// Rounds half to even without a range check (for values known to be small).
double roundHalfEven(double value);

// Shortest decimal text that reads back as the same number; whole numbers have no
// decimal places (3 -> "3", -20 -> "-20", 0.5 -> "0.5").
std::string numberToText(double value);

} // namespace smssim
