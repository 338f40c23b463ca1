#pragma once
// The text of each line the display shows, as the layout of DisplayZeichnen makes it.

#include "state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace smssim {

struct DisplayLine {
    std::int32_t picture = 1;
    std::string text; // without CR, LF and the space word wrap puts left of the line
    bool operator==(const DisplayLine&) const = default;
};

// The lines of one picture, what the display shows of it. Its layout starts at the
// picture's own Bildversatz and stops below the picture, so it is cheap enough for every
// keystroke also in a long message. Reads the phone data and Absaetze.
std::vector<DisplayLine> pictureLines(const Module1& state, std::string_view text,
                                      std::int32_t picture);

// The lines of pictures 1 .. pictures (Bildanzahl), picture after picture.
std::vector<DisplayLine> displayLines(const Module1& state, std::string_view text,
                                      std::int32_t pictures);

} // namespace smssim
