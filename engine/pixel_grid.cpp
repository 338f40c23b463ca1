#include "pixel_grid.h"

#include "c_source.h"
#include "renderer.h"

#include <algorithm>
#include <cmath>

namespace smssim {

PixelGrid pixelGrid(const Module1& state, const std::vector<Dot>& dots) {
    PixelGrid grid;
    grid.width = std::max(0, static_cast<int>(std::ceil(state.Displaybreite)));
    grid.height = std::max(0, static_cast<int>(std::ceil(state.Displayhoehe)));
    grid.cells.assign(static_cast<std::size_t>(grid.width * grid.height), false);
    for (const Dot& d : dots) {
        const auto x = static_cast<int>(d.x), y = static_cast<int>(d.y);
        if (d.x >= 0 && d.y >= 0 && x < grid.width && y < grid.height)
            grid.cells[static_cast<std::size_t>(y * grid.width + x)] = true;
    }
    return grid;
}

std::vector<PixelGrid> pictureGrids(const Module1& state, std::string_view text) {
    Module1 s = state;
    s.Bildversatz = 0;
    DotRecorder dots;
    const std::int32_t pictures = DisplayZeichnen(s, text, dots).bildanzahl;
    std::vector<PixelGrid> grids;
    for (std::int32_t n = 1; n <= pictures; ++n) {
        s.Bildversatz = bildversatzFuer(n, s.Bildhoehe);
        DisplayZeichnen(s, text, dots);
        grids.push_back(pixelGrid(s, dots.dots));
    }
    return grids;
}

std::vector<std::uint8_t> gridBytes(const PixelGrid& grid, ByteOrder order) {
    std::vector<std::uint8_t> bytes;
    if (order == ByteOrder::Pages) {
        const int pages = (grid.height + 7) / 8;
        bytes.assign(static_cast<std::size_t>(grid.width * pages), 0);
        for (int y = 0; y < grid.height; ++y)
            for (int x = 0; x < grid.width; ++x)
                if (grid.at(x, y))
                    bytes[static_cast<std::size_t>(x + y / 8 * grid.width)] |= 1 << (y % 8);
        return bytes;
    }
    const int rowBytes = (grid.width + 7) / 8;
    bytes.assign(static_cast<std::size_t>(rowBytes * grid.height), 0);
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            if (grid.at(x, y))
                bytes[static_cast<std::size_t>(y * rowBytes + x / 8)] |= 0x80 >> (x % 8);
    return bytes;
}

std::string xbmImage(const PixelGrid& grid, std::string_view name) {
    // Rows as for drawBitmap, each byte mirrored: XBM keeps the leftmost pixel in bit 0.
    std::vector<std::uint8_t> bytes = gridBytes(grid, ByteOrder::Rows);
    for (std::uint8_t& b : bytes) {
        std::uint8_t mirrored = 0;
        for (int bit = 0; bit < 8; ++bit)
            mirrored |= ((b >> bit) & 1) << (7 - bit);
        b = mirrored;
    }
    const std::string n(name);
    return "#define " + n + "_width " + std::to_string(grid.width) + "\n#define " + n + "_height " +
           std::to_string(grid.height) + "\nstatic unsigned char " + n + "_bits[] = {\n" +
           byteList(bytes, "   ") + " };\n";
}

std::string pbmImage(const PixelGrid& grid) {
    const std::vector<std::uint8_t> bytes = gridBytes(grid, ByteOrder::Rows);
    return "P4\n" + std::to_string(grid.width) + " " + std::to_string(grid.height) + "\n" +
           std::string(bytes.begin(), bytes.end());
}

std::string cHeader(const std::vector<PixelGrid>& grids, std::string_view name,
                    std::string_view phoneName, ByteOrder order) {
    const PixelGrid empty;
    const PixelGrid& first = grids.empty() ? empty : grids.front();
    const std::string macro = upperCase(name), n(name);
    const std::size_t size = gridBytes(first, order).size();
    const std::size_t count = grids.size();
    std::string out = "/* " + commentText(phoneName) + ", " + std::to_string(first.width) + " x " +
                      std::to_string(first.height) + ", " + std::to_string(count) +
                      (count == 1 ? " picture" : " pictures") + ", bytes in " +
                      (order == ByteOrder::Pages ? "pages" : "rows") + " */\n";
    out += "#include <stdint.h>\n#define " + macro + "_WIDTH " + std::to_string(first.width) +
           "\n#define " + macro + "_HEIGHT " + std::to_string(first.height) + "\n#define " + macro +
           "_COUNT " + std::to_string(count) + "\nstatic const uint8_t " + n + "[" + macro +
           "_COUNT][" + std::to_string(size) + "] = {\n";
    for (std::size_t i = 0; i < count; ++i)
        out += "    {\n" + byteList(gridBytes(grids[i], order), "        ") +
               (i + 1 < count ? "\n    },\n" : "\n    }\n");
    return out + "};\n";
}

} // namespace smssim
