#pragma once
// Reads generated C arrays back into pixels, written apart from the writers so that a
// test of the firmware formats checks them against the picture, not against themselves.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace smssim::test {

// Every "0x.." number of `source` after the first `after`, up to the end.
inline std::vector<std::uint8_t> cArrayBytes(std::string_view source, std::string_view after) {
    std::vector<std::uint8_t> bytes;
    const std::string text(source.substr(std::min(source.size(), source.find(after))));
    for (std::size_t at = text.find("0x"); at != std::string::npos; at = text.find("0x", at + 2))
        bytes.push_back(static_cast<std::uint8_t>(std::strtoul(text.c_str() + at, nullptr, 16)));
    return bytes;
}

enum class Packing {
    Pages, // byte x + (y / 8) * width, bit y % 8
    Rows   // rows padded to whole bytes, the most significant bit leftmost
};

// The cells, row by row, of one picture whose bytes start at `first`.
inline std::vector<bool> cellsOf(const std::vector<std::uint8_t>& bytes, std::size_t first,
                                 int width, int height, Packing packing) {
    std::vector<bool> cells;
    const int rowBytes = (width + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at =
                first + static_cast<std::size_t>(packing == Packing::Pages ? x + y / 8 * width
                                                                           : y * rowBytes + x / 8);
            const int bit = packing == Packing::Pages ? y % 8 : 7 - x % 8;
            cells.push_back(at < bytes.size() && (bytes[at] >> bit & 1));
        }
    return cells;
}

} // namespace smssim::test
