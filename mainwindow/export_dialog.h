#pragma once
// "Bilder exportieren.." and "Zeichensatz exportieren..": Qt's own save dialog (German)
// with the kinds of export as filters, and what a kind needs besides (the scale, a C
// header's byte order, a C name) as choices in the same step.

#include "font_export.h"
#include "picture_export.h"

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace smssim {

struct ExportChoice {
    ExportSettings settings;
    std::string path; // the folder of a folder kind, else the file (UTF-8)
};

// The filter of each kind; the dialog offers PNG files, GIF, sheet, XBM files, C header.
QString exportFilter(ExportKind kind);

// Where the export goes for the name typed: picture files go into a folder named after
// it, without their extension; a single file is the file itself, with its extension added
// when missing.
std::string exportTarget(ExportKind kind, std::string chosen);

// Shows the dialog, opened as `last` was chosen (its folder, kind and scale) when given;
// nullopt when cancelled.
std::optional<ExportChoice> chooseExport(QWidget* parent, const std::optional<ExportChoice>& last);

struct FontChoice {
    FontFormat format = FontFormat::Bdf;
    std::string name = "smssim"; // the C identifier of gfx and c
    std::string path;            // UTF-8
};

// The filter of each font format, in the order of fontFormats().
QString fontFilter(FontFormat format);

// As chooseExport, for the phone's font.
std::optional<FontChoice> chooseFontExport(QWidget* parent, const std::optional<FontChoice>& last);

} // namespace smssim
