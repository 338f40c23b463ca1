#include "export_dialog.h"

#include "directory_list.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace smssim {

namespace {

constexpr ExportKind kKinds[] = {ExportKind::PngFiles, ExportKind::Gif, ExportKind::Sheet,
                                 ExportKind::XbmFiles, ExportKind::CHeader};

// A labelled choice below the file type, where Qt's own dialog lays out its rows.
void addRow(QFileDialog& dialog, const QString& label, QWidget* choice) {
    auto* name = new QLabel(label, &dialog);
    name->setBuddy(choice);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(name, row, 0);
        grid->addWidget(choice, row, 1);
    }
}

QSpinBox* addScaleChoice(QFileDialog& dialog) {
    auto* scale = new QSpinBox(&dialog);
    scale->setObjectName(QStringLiteral("Vergroesserung"));
    scale->setRange(1, kMaxExportScale);
    scale->setSuffix(QStringLiteral(" ×"));
    scale->setAccessibleName(QStringLiteral("Vergrößerung"));
    addRow(dialog, QStringLiteral("&Vergrößerung:"), scale);
    return scale;
}

// The byte order of a C header, in the order of ByteOrder.
QComboBox* addByteOrderChoice(QFileDialog& dialog) {
    auto* bytes = new QComboBox(&dialog);
    bytes->setObjectName(QStringLiteral("Bytefolge"));
    bytes->addItems({QStringLiteral("Seiten (PCD8544, SSD1306)"),
                     QStringLiteral("Zeilen (Adafruit drawBitmap)")});
    bytes->setAccessibleName(QStringLiteral("Bytefolge"));
    addRow(dialog, QStringLiteral("&Bytefolge:"), bytes);
    return bytes;
}

} // namespace

QString exportFilter(ExportKind kind) {
    switch (kind) {
    case ExportKind::PngFiles:
        return QStringLiteral("PNG-Bilder, eins je Bild (*.png)");
    case ExportKind::Gif:
        return QStringLiteral("GIF-Animation (*.gif)");
    case ExportKind::XbmFiles:
        return QStringLiteral("XBM-Bilder, eins je Bild (*.xbm)");
    case ExportKind::PbmFiles:
        return QStringLiteral("PBM-Bilder, eins je Bild (*.pbm)");
    case ExportKind::CHeader:
        return QStringLiteral("C-Header (alle Bilder) (*.h)");
    case ExportKind::Sheet:
        break;
    }
    return QStringLiteral("Übersicht (*.png)");
}

std::string exportTarget(ExportKind kind, std::string chosen) {
    const std::string extension = "." + exportExtension(kind);
    const bool hasExtension = chosen.size() > extension.size() &&
                              QString::fromStdString(chosen).endsWith(
                                  QString::fromStdString(extension), Qt::CaseInsensitive);
    if (exportsFolder(kind)) {
        if (hasExtension)
            chosen.resize(chosen.size() - extension.size());
        return chosen;
    }
    return hasExtension ? chosen : chosen + extension;
}

std::optional<ExportChoice> chooseExport(QWidget* parent, const std::optional<ExportChoice>& last) {
    // Qt's own dialog, not the desktop's: that one speaks the desktop's language.
    QFileDialog dialog(parent, QStringLiteral("Bilder exportieren"));
    dialog.setObjectName(QStringLiteral("BilderExportieren"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (ExportKind kind : kKinds)
        filters << exportFilter(kind);
    dialog.setNameFilters(filters);
    QSpinBox* scale = addScaleChoice(dialog);
    QComboBox* bytes = addByteOrderChoice(dialog);
    // The name gets the extension of the kind chosen; a folder of picture files replaces
    // nothing that the dialog could ask about. Only what the kind uses can be chosen.
    const auto followFilter = [&](const QString& filter) {
        const auto kind = kKinds[std::max<qsizetype>(0, filters.indexOf(filter))];
        dialog.setDefaultSuffix(QString::fromStdString(exportExtension(kind)));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, exportsFolder(kind));
        scale->setEnabled(exportsEnlarged(kind));
        bytes->setEnabled(kind == ExportKind::CHeader);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    followFilter(filters.first());
    if (last) {
        // A folder of PNG files and a file alike lie in the folder the user was in.
        dialog.setDirectory(
            nearestExistingDirectory(QFileInfo(QString::fromStdString(last->path)).absolutePath()));
        const QString filter = exportFilter(last->settings.kind);
        dialog.selectNameFilter(filter);
        followFilter(filter);
        scale->setValue(last->settings.scale);
        bytes->setCurrentIndex(static_cast<int>(last->settings.bytes));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const auto index = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    ExportChoice choice;
    choice.settings.kind = kKinds[index];
    // The firmware kinds hold the display's own pixels: there is nothing to enlarge.
    choice.settings.scale = exportsEnlarged(choice.settings.kind) ? scale->value() : 1;
    choice.settings.bytes = static_cast<ByteOrder>(bytes->currentIndex());
    choice.path = exportTarget(choice.settings.kind, dialog.selectedFiles().first().toStdString());
    return choice;
}

} // namespace smssim
