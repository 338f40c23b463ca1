#pragma once
// A font as FreeType reads it (BDF, PCF, .pcf.gz, outline fonts), at one pixel size,
// glyphs as monochrome bitmaps. Owns the FreeType library and face.

#include "problem.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace smssim {

struct FontGlyph {
    int advance = 0; // pixels the pen moves on
    int left = 0;    // bitmap's left edge right of the pen
    int top = 0;     // bitmap's top row above the baseline
    int width = 0;
    int rows = 0;
    std::vector<bool> ink; // row by row, width per row

    bool set(int row, int column) const {
        return ink[static_cast<std::size_t>(row * width + column)];
    }
};

class BitmapFont {
  public:
    // A reason naming the file when FreeType cannot read it.
    static Result<BitmapFont> open(const std::string& path);

    BitmapFont(BitmapFont&&) noexcept;
    BitmapFont& operator=(BitmapFont&&) noexcept;
    ~BitmapFont();

    bool scalable() const;
    // Without one (a BDF or PCF font in a legacy encoding) no character can be found.
    bool hasUnicodeMap() const;
    std::vector<int> bitmapSizes() const; // pixel heights of the fixed sizes
    // A fixed size by its pixel height, or (scalable fonts) any size; false when the font
    // has no such size. Bitmap fonts start at their first size.
    bool selectPixelSize(int pixels);

    std::string family() const;
    // The selected size as X fonts name it: "6x10", the average width and the pixel
    // height; the pixel height alone where there is no width (an outline font).
    std::string sizeText() const;
    int ascent() const;     // pixels above the baseline
    int descent() const;    // pixels below it
    int lineHeight() const; // baseline to baseline

    // nullopt when the font has no glyph for the Unicode character; a glyph FreeType
    // cannot render is a reason.
    Result<std::optional<FontGlyph>> glyph(char32_t c) const;

  private:
    struct Handles;
    explicit BitmapFont(std::unique_ptr<Handles> handles);
    std::unique_ptr<Handles> h_;
};

} // namespace smssim
