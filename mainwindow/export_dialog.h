#pragma once
// "Bilder exportieren..": Qt's own save dialog (German) with the three kinds of export as
// filters and the scale as a choice in the same step.

#include "picture_export.h"

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace smssim {

struct ExportChoice {
    ExportSettings settings;
    std::string path; // the folder for PNG files, else the file (UTF-8)
};

// The filters, in the order the dialog offers them: PNG files, GIF, sheet.
QString exportFilter(ExportKind kind);

// Where the export goes for the name typed: PNG files go into a folder named after it,
// without ".png"; a GIF or a sheet is the file itself, with its extension added when
// missing.
std::string exportTarget(ExportKind kind, std::string chosen);

// Shows the dialog, opened as `last` was chosen (its folder, kind and scale) when given;
// nullopt when cancelled.
std::optional<ExportChoice> chooseExport(QWidget* parent, const std::optional<ExportChoice>& last);

} // namespace smssim
