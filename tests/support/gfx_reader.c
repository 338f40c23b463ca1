/* Draws each glyph of the Adafruit-GFX font GFX_FONT (its header given with -include) as
   Adafruit_GFX's drawChar does, and prints per code the advance and where each pixel falls
   from the pen on the baseline: "65 4: 1,-3 0,-2". */
#include <stdio.h>

int main(void) {
    const GFXfont* font = &GFX_FONT;
    unsigned code;
    for (code = font->first; code <= font->last; ++code) {
        const GFXglyph* g = &font->glyph[code - font->first];
        unsigned offset = g->bitmapOffset, bit = 0;
        unsigned char bits = 0;
        int x, y;
        printf("%u %d:", code, g->xAdvance);
        for (y = 0; y < g->height; ++y)
            for (x = 0; x < g->width; ++x) {
                if (!(bit++ & 7))
                    bits = font->bitmap[offset++];
                if (bits & 0x80)
                    printf(" %d,%d", g->xOffset + x, g->yOffset + y);
                bits <<= 1;
            }
        printf("\n");
    }
    printf("yAdvance %d\n", font->yAdvance);
    return 0;
}
