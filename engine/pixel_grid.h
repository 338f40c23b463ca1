#pragma once
// The display's own pixels of one picture, as firmware needs them: Displaybreite x
// Displayhoehe cells, a cell set where the phone draws a dot (where smssim-render's
// ASCII picture has '#'), not the enlarged window picture. Written as an X11 bitmap, a
// netpbm P4 or a C header of every picture.

#include "c_source.h"
#include "dot_recorder.h"
#include "state.h"

#include <string>
#include <string_view>
#include <vector>

namespace smssim {

struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<bool> cells; // row by row, top row first

    bool at(int x, int y) const { return cells[static_cast<std::size_t>(y * width + x)]; }
};

// The cells the dots of one picture set; dots outside the display are left out.
PixelGrid pixelGrid(const Module1& state, const std::vector<Dot>& dots);

// Each picture of `text` (the first at index 0), laid out as the phone does; at least one.
std::vector<PixelGrid> pictureGrids(const Module1& state, std::string_view text);

// #define NAME_width/NAME_height and NAME_bits[]: rows top-down, each padded to whole
// bytes, the least significant bit the leftmost pixel.
std::string xbmImage(const PixelGrid& grid, std::string_view name);

// Netpbm P4: rows top-down, padded to whole bytes, the most significant bit leftmost.
std::string pbmImage(const PixelGrid& grid);

enum class ByteOrder {
    Pages, // PCD8544/SSD1306 RAM: byte x + (y / 8) * width, bit y % 8, bit 0 the top row
    Rows   // row-major, the most significant bit leftmost, rows padded (Adafruit drawBitmap)
};

std::vector<std::uint8_t> gridBytes(const PixelGrid& grid, ByteOrder order);

// One header with every picture: NAME[NAME_COUNT][bytes], the macros in upper case. The
// phone's name (UTF-8, as the state keeps it) goes into a comment that nothing it holds
// can end early.
std::string cHeader(const std::vector<PixelGrid>& grids, std::string_view name,
                    std::string_view phoneName, ByteOrder order);

} // namespace smssim
