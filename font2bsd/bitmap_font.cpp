#include "bitmap_font.h"

#include "error_reason.h"
#include "read_file.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace smssim {

namespace {

// Debian's FreeType is built without error strings.
std::string freetypeReason(FT_Error error) {
    switch (error) {
    case FT_Err_Cannot_Open_Resource:
        return "kann nicht geöffnet werden";
    case FT_Err_Unknown_File_Format:
        return "ist keine Schrift, die FreeType kennt (BDF, PCF, TrueType, OpenType, ...)";
    case FT_Err_Invalid_File_Format:
        return "ist eine beschädigte Schrift";
    case FT_Err_Out_Of_Memory:
        return "ist zu groß zum Lesen";
    default:
        return "kann nicht gelesen werden (FreeType-Fehler " + std::to_string(error) + ")";
    }
}

int pixels(FT_Pos value26dot6) {
    return static_cast<int>((value26dot6 + 32) >> 6);
}

} // namespace

struct BitmapFont::Handles {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Handles() {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

BitmapFont::BitmapFont(std::unique_ptr<Handles> handles) : h_(std::move(handles)) {}
BitmapFont::BitmapFont(BitmapFont&&) noexcept = default;
BitmapFont& BitmapFont::operator=(BitmapFont&&) noexcept = default;
BitmapFont::~BitmapFont() = default;

Result<BitmapFont> BitmapFont::open(const std::string& path) {
    // FreeType only tells that it cannot open a file; the system tells why.
    std::string start;
    if (const auto error = readRegularFile(path, 0, start))
        return fileProblem("Die Schrift", path, "gelesen",
                           germanErrorReason(*error, FileAccess::Lesen));
    auto h = std::make_unique<Handles>();
    if (const FT_Error e = FT_Init_FreeType(&h->library))
        return fail("FreeType startet nicht (Fehler " + std::to_string(e) + ")");
    if (const FT_Error e = FT_New_Face(h->library, path.c_str(), 0, &h->face)) {
        h->face = nullptr;
        return fail("Die Schrift „" + path + "“ " + freetypeReason(e));
    }
    FT_Select_Charmap(h->face, FT_ENCODING_UNICODE);
    BitmapFont font(std::move(h));
    if (!font.scalable() && !font.bitmapSizes().empty())
        FT_Select_Size(font.h_->face, 0);
    return font;
}

bool BitmapFont::scalable() const {
    return FT_IS_SCALABLE(h_->face);
}

bool BitmapFont::hasUnicodeMap() const {
    return h_->face->charmap && h_->face->charmap->encoding == FT_ENCODING_UNICODE;
}

std::vector<int> BitmapFont::bitmapSizes() const {
    std::vector<int> sizes;
    for (FT_Int i = 0; i < h_->face->num_fixed_sizes; ++i)
        sizes.push_back(pixels(h_->face->available_sizes[i].y_ppem));
    return sizes;
}

bool BitmapFont::selectPixelSize(int wanted) {
    const auto sizes = bitmapSizes();
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (sizes[i] == wanted)
            return FT_Select_Size(h_->face, static_cast<FT_Int>(i)) == 0;
    return scalable() && FT_Set_Pixel_Sizes(h_->face, 0, static_cast<FT_UInt>(wanted)) == 0;
}

std::string BitmapFont::sizeText() const {
    const int height = h_->face->size->metrics.y_ppem;
    for (FT_Int i = 0; i < h_->face->num_fixed_sizes; ++i) {
        const FT_Bitmap_Size& size = h_->face->available_sizes[i];
        if (pixels(size.y_ppem) == height && size.width > 0)
            return std::to_string(size.width) + "x" + std::to_string(height);
    }
    return std::to_string(height);
}

std::string BitmapFont::family() const {
    return h_->face->family_name ? h_->face->family_name : "";
}

int BitmapFont::ascent() const {
    return pixels(h_->face->size->metrics.ascender);
}

int BitmapFont::descent() const {
    return -pixels(h_->face->size->metrics.descender);
}

int BitmapFont::lineHeight() const {
    const int height = pixels(h_->face->size->metrics.height);
    return height > 0 ? height : ascent() + descent();
}

Result<std::optional<FontGlyph>> BitmapFont::glyph(char32_t c) const {
    const FT_UInt index = FT_Get_Char_Index(h_->face, c);
    if (index == 0)
        return std::nullopt;
    if (const FT_Error e = FT_Load_Glyph(h_->face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO))
        return fail(freetypeReason(e));
    const FT_GlyphSlot slot = h_->face->glyph;
    const FT_Bitmap& b = slot->bitmap;
    FontGlyph g{pixels(slot->advance.x),   slot->bitmap_left,        slot->bitmap_top,
                static_cast<int>(b.width), static_cast<int>(b.rows), {}};
    g.ink.reserve(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.rows));
    for (int y = 0; y < g.rows; ++y) {
        const unsigned char* row = b.buffer + static_cast<std::ptrdiff_t>(y) * b.pitch;
        for (int x = 0; x < g.width; ++x)
            g.ink.push_back(b.pixel_mode == FT_PIXEL_MODE_MONO
                                ? (row[x / 8] & (0x80 >> (x % 8))) != 0
                                : row[x] >= 128);
    }
    return std::optional<FontGlyph>(std::move(g));
}

} // namespace smssim
