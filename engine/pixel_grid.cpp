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

namespace {

// Where the layout puts each glyph, by line, so that every picture is drawn from one
// layout instead of laying the whole message out again for each.
class PlacedGlyphs : public LayoutObserver {
  public:
    struct Placed {
        std::uint8_t code;
        std::int64_t x;
    };
    std::vector<std::vector<Placed>> lines{1};

    void lineBreak(float) override { lines.emplace_back(); }
    void glyph(std::uint8_t code, std::int64_t x, float) override {
        lines.back().push_back({code, x});
    }
};

// Sets the cells of the dots drawn on it.
class GridSurface : public DisplaySurface {
  public:
    explicit GridSurface(PixelGrid& grid) : grid_(grid) {}
    void setBackColor(std::int32_t) override {}
    void setDrawWidth(int) override {}
    void line(float x, float y, float, float, std::int32_t) override {
        if (x >= 0 && y >= 0 && x < static_cast<float>(grid_.width) &&
            y < static_cast<float>(grid_.height))
            grid_.cells[static_cast<std::size_t>(static_cast<int>(y) * grid_.width +
                                                 static_cast<int>(x))] = true;
    }

  private:
    PixelGrid& grid_;
};

} // namespace

std::vector<PixelGrid> pictureGrids(const Module1& state, std::string_view text) {
    Module1 s = state;
    s.Bildversatz = 0;
    DotRecorder counting;
    const std::int32_t pictures = DisplayZeichnen(s, text, counting).bildanzahl;
    PlacedGlyphs placed;
    layOutMessage(s, text, 0, placed);
    std::vector<PixelGrid> grids(static_cast<std::size_t>(std::max(pictures, 1)), pixelGrid(s, {}));
    for (std::size_t i = 0; i < grids.size(); ++i) {
        GridSurface surface(grids[i]);
        // Each picture counts its line tops from its own offset, as the layout does.
        float top = static_cast<float>(bildversatzFuer(static_cast<double>(i + 1), s.Bildhoehe));
        for (const auto& line : placed.lines) {
            if (lineOnPicture(top, s.Bildhoehe))
                for (const auto& g : line)
                    ZeichenZeichnen(s, static_cast<std::int32_t>(g.x), top, g.code, surface);
            top = nextLine(top, s.Zeilenhoehe);
        }
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
