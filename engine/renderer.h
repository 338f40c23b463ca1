#pragma once
// Lays the message out in lines of glyphs as the phone does and draws the picture
// selected by Bildversatz onto a display surface, dot by dot.

#include "state.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace smssim {

// Logical coordinates: one unit per display pixel, origin at the top left. Points
// outside the surface are clipped by the surface itself.
class DisplaySurface {
  public:
    virtual ~DisplaySurface() = default;
    // Fills the whole surface with the colour and erases every dot.
    virtual void setBackColor(std::int32_t colour) = 0;
    virtual void setDrawWidth(int width) = 0;
    // A line from one point to another; from a point to itself it is one dot of the
    // current draw width.
    virtual void line(float x1, float y1, float x2, float y2, std::int32_t colour) = 0;
};

struct RenderResult {
    std::int32_t bildanzahl = 1;
    std::size_t laenge = 0; // characters of the message, CR and LF one each
};

// `text` is the message in Windows-1252 bytes. Reads the phone data, Absaetze and
// Bildversatz of `state`; writes PosX, PosY and Bildanzahl.
RenderResult DisplayZeichnen(Module1& state, std::string_view text, DisplaySurface& surface);

// Hears where the layout of DisplayZeichnen puts each character, without drawing.
class LayoutObserver {
  public:
    virtual ~LayoutObserver() = default;
    // The next character goes on a new line below, whose top is `top`.
    virtual void lineBreak(float top) = 0;
    // `code` goes on the line whose top is `top`, at x; the space that word wrap moves to
    // the new line goes left of the line's start, at a negative x.
    virtual void glyph(std::uint8_t code, std::int64_t x, float top) = 0;
    // Asked before each character: true ends the layout there.
    virtual bool finished() const { return false; }
};

// The layout of DisplayZeichnen, told to `observer`, with the first line's top at
// `bildversatz` (the picture's, as DisplayZeichnen takes it from the state).
void layOutMessage(const Module1& state, std::string_view text, std::int32_t bildversatz,
                   LayoutObserver& observer);

// The top of the line below: the pitch added in double precision, stored back as a
// single float, as the layout has always counted.
float nextLine(float posY, double zeilenhoehe);

// Whether a line whose top is at posY shows in the picture (only its top counts).
bool lineOnPicture(float posY, double bildhoehe);

void ZeichenZeichnen(const Module1& state, std::int32_t x, float y, std::uint8_t code,
                     DisplaySurface& surface);
void PunktZeichnen(double x, std::int32_t y, DisplaySurface& surface);

// The display test pattern: diagonal lines of draw width 1 over 0..Zeilenbreite
// across and 0..Bildhoehe down.
void Bildtest(const Module1& state, DisplaySurface& surface);

// Bildversatz of a picture number: -(number - 1) * Bildhoehe, rounded half to even,
// kept within 32 bits.
std::int32_t bildversatzFuer(double bildNummer, double bildhoehe);

} // namespace smssim
