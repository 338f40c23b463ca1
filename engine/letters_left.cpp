#include "letters_left.h"

#include "numbers.h"

namespace smssim {

std::optional<double> parseMaximum(std::string_view text) {
    const auto value = parseNumber(text);
    if (!value || *value < 0 || !toLong(*value))
        return std::nullopt;
    return value;
}

std::string lettersLeftText(double maximum, std::size_t length) {
    return numberToText(maximum - static_cast<double>(length));
}

} // namespace smssim
