#include "gif_writer.h"

#include <algorithm>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace smssim {

namespace {

int appendToString(GifFileType* gif, const GifByteType* bytes, int size) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
    return size;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};
using GifPtr = std::unique_ptr<GifFileType, GifCloser>;

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using MapPtr = std::unique_ptr<ColorMapObject, MapFreer>;

void check(int result, const char* what) {
    if (result == GIF_ERROR)
        throw GifError(std::string("Die GIF-Kodierung ist fehlgeschlagen (") + what + ")");
}

// The picture as palette indices, and the palette: colours in order of first use.
struct Indexed {
    std::vector<QRgb> palette;
    std::vector<GifByteType> pixels;
};

Indexed indexed(const QImage& image) {
    Indexed out;
    const int width = image.width(), height = image.height();
    out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    // Runs of one colour are the rule on a display: look up only where the colour changes.
    QRgb last = 0;
    GifByteType lastIndex = 0;
    GifByteType* at = out.pixels.data();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = row[x] | 0xFF000000u;
            if (rgb != last || out.palette.empty()) {
                auto found = std::find(out.palette.begin(), out.palette.end(), rgb);
                if (found == out.palette.end()) {
                    if (out.palette.size() == 256)
                        throw GifError("Das Bild hat mehr als 256 Farben");
                    found = out.palette.insert(found, rgb);
                }
                last = rgb;
                lastIndex = static_cast<GifByteType>(found - out.palette.begin());
            }
            *at++ = lastIndex;
        }
    }
    return out;
}

MapPtr colourMap(const std::vector<QRgb>& palette) {
    int size = 2;
    while (size < static_cast<int>(palette.size()))
        size *= 2;
    std::vector<GifColorType> colours(static_cast<std::size_t>(size));
    for (std::size_t i = 0; i < colours.size(); ++i) {
        // Padding repeats the first colour; no pixel uses it.
        const QRgb rgb = palette[i < palette.size() ? i : 0];
        colours[i] = {static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
                      static_cast<GifByteType>(qBlue(rgb))};
    }
    MapPtr map(GifMakeMapObject(size, colours.data()));
    if (!map)
        throw GifError("Kein Speicher für die Farbtabelle");
    return map;
}

// NETSCAPE2.0 application block: loop count 0, forever.
void putLoopForever(GifFileType* gif) {
    static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                               'P', 'E', '2', '.', '0'};
    static const GifByteType kLoop[] = {1, 0, 0};
    check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "Schleife");
    check(EGifPutExtensionBlock(gif, sizeof kApplication, kApplication), "Schleife");
    check(EGifPutExtensionBlock(gif, sizeof kLoop, kLoop), "Schleife");
    check(EGifPutExtensionTrailer(gif), "Schleife");
}

void putDelay(GifFileType* gif, int delayMs) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.DelayTime = (delayMs + 5) / 10;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType bytes[4];
    const auto size = static_cast<int>(EGifGCBToExtension(&control, bytes));
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, size, bytes), "Anzeigedauer");
}

void putFrame(GifFileType* gif, const QSize& size, const Indexed& frame,
              const std::vector<QRgb>& global) {
    MapPtr local;
    if (frame.palette != global)
        local = colourMap(frame.palette);
    check(EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, local.get()), "Bild");
    for (int y = 0; y < size.height(); ++y)
        check(EGifPutLine(gif,
                          const_cast<GifByteType*>(frame.pixels.data()) +
                              static_cast<std::ptrdiff_t>(y) * size.width(),
                          size.width()),
              "Bildzeile");
}

} // namespace

std::optional<std::string> gifOfPictures(PictureFrames& frames, int scale, int delayMs,
                                         const ExportProgress& progress) {
    const QSize size = frames.pictureSize() * scale;
    if (size.width() > 65535 || size.height() > 65535)
        throw GifError("Ein GIF-Bild kann höchstens 65535 Pixel breit und hoch sein");
    std::string bytes;
    int error = 0;
    GifPtr gif(EGifOpen(&bytes, appendToString, &error));
    if (!gif)
        throw GifError(GifErrorString(error));
    EGifSetGifVersion(gif.get(), true);
    std::vector<QRgb> global;
    for (std::int32_t n = 1; n <= frames.count(); ++n) {
        const Indexed frame = indexed(enlarged(frames.picture(n), scale));
        if (n == 1) {
            global = frame.palette;
            const MapPtr map = colourMap(global);
            check(EGifPutScreenDesc(gif.get(), size.width(), size.height(), 8, 0, map.get()),
                  "Kopf");
            putLoopForever(gif.get());
        }
        putDelay(gif.get(), delayMs);
        putFrame(gif.get(), size, frame, global);
        if (progress && !progress(n, frames.count()))
            return std::nullopt;
    }
    check(EGifCloseFile(gif.release(), &error), "Abschluss");
    return bytes;
}

} // namespace smssim
