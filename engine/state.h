#pragma once
// The program-wide state: one object, owned by the application and handed to every
// window. Members carry the names the windows and procedures use for them.

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace smssim {

// A glyph has at most this many pixel rows and columns.
inline constexpr int kGlyphSize = 10;
// Rows and columns are numbered from 0, though row 0 and column 0 are never drawn.
inline constexpr int kGlyphStride = kGlyphSize + 1;

// One glyph. Pixel (row, column), both 0..kGlyphSize, is entry row + kGlyphStride *
// column of Punkte; non-zero means set. Rows 1..Hoehe and columns 1..Breite are drawn.
struct ZeichenTyp {
    std::array<std::int16_t, kGlyphStride * kGlyphStride> Punkte{};
    std::int16_t Hoehe = 0;
    std::int16_t Breite = 0;

    std::int16_t& punkt(int row, int column) { return Punkte[row + kGlyphStride * column]; }
    std::int16_t punkt(int row, int column) const { return Punkte[row + kGlyphStride * column]; }
    bool operator==(const ZeichenTyp&) const = default;
};

using GlyphTable = std::array<ZeichenTyp, 256>;

// The phone data, from the phone definition file. One value, so that loading a phone
// replaces it as a whole and two phones compare in one step.
struct PhoneData {
    std::string Telefonname; // UTF-8
    double Zeilenbreite = 0;
    double Bildhoehe = 0;
    std::string Dateiendung;           // UTF-8, with its dot
    std::int32_t Hintergrundfarbe = 0; // red in the low byte, then green, then blue
    double Displayhoehe = 0;
    double Displaybreite = 0;
    double Zeilenhoehe = 0;
    bool Zeilensprung = false;

    bool operator==(const PhoneData&) const = default;
};

// The phone data are members of their own (state.Zeilenbreite), as every procedure
// reads them.
struct Module1 : PhoneData {
    GlyphTable Zeichen{};

    // Rendering. Bildversatz and Bildanzahl are 32-bit so that long messages page
    // past the 16-bit range without overflowing.
    std::int32_t Bildversatz = 0;
    std::int32_t PosX = 0;
    float PosY = 0;
    std::int32_t Bildanzahl = 0;

    // Message editing.
    std::int32_t Textlaenge = 0;
    int AktuellerText = 0; // 0 single-line box, 1 paragraph box
    bool Absaetze = false;

    // File dialogs. Paths are UTF-8.
    std::string Dateiname;
    bool Vorschau = false;
    std::string OeffnenPfad;
    std::string OeffnenLaufwerk;
    std::string SpeichernPfad;
    std::string SpeichernLaufwerk;
    // The current directory of each volume (mount point -> directory), kept for the
    // whole run as a drive keeps its current directory; both dialogs share it.
    std::map<std::string, std::string> Laufwerksverzeichnisse;

    bool operator==(const Module1&) const = default;
};

} // namespace smssim
