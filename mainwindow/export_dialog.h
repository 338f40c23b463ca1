#pragma once
// "Bilder exportieren..": Qt's own save dialog (German) with the kinds of export as
// filters, and the scale and a C header's byte order as choices in the same step.

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

} // namespace smssim
