#include "numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace smssim {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the grammar first: from_chars alone would accept "inf", "nan" and hex.
bool isDecimalNumber(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i]))
        ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == t.size();
}

template <typename Int> std::optional<Int> toWhole(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(r);
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    if (!isDecimalNumber(text))
        return std::nullopt;
    std::string_view body = text;
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::optional<std::int16_t> toInteger(double value) {
    return toWhole<std::int16_t>(value);
}
std::optional<std::int32_t> toLong(double value) {
    return toWhole<std::int32_t>(value);
}

std::string numberToText(double value) {
    if (value == 0)
        return "0"; // also for -0
    char buffer[64];
    // The shortest form alone would write 100000 as "1e+05"; whole numbers are written
    // out in full up to the 15 digits a double holds exactly.
    const bool whole = std::trunc(value) == value && std::fabs(value) < 1e15;
    const auto [end, ec] =
        whole ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

} // namespace smssim
