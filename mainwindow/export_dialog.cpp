#include "export_dialog.h"

#include "directory_list.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
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

// The name typed, with the extension added when missing; a folder goes without it.
std::string targetPath(std::string chosen, const std::string& extension, bool folder) {
    const bool hasExtension = chosen.size() > extension.size() &&
                              QString::fromStdString(chosen).endsWith(
                                  QString::fromStdString(extension), Qt::CaseInsensitive);
    if (folder) {
        if (hasExtension)
            chosen.resize(chosen.size() - extension.size());
        return chosen;
    }
    return hasExtension ? chosen : chosen + extension;
}

// A save dialog of Qt's own, not the desktop's: that one speaks the desktop's language.
void setUpSaveDialog(QFileDialog& dialog, const char* name, const QStringList& filters) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
}

void openInFolderOf(QFileDialog& dialog, const std::string& path) {
    dialog.setDirectory(
        nearestExistingDirectory(QFileInfo(QString::fromStdString(path)).absolutePath()));
}

QLineEdit* addNameChoice(QFileDialog& dialog) {
    auto* name = new QLineEdit(&dialog);
    name->setObjectName(QStringLiteral("NameImCCode"));
    name->setAccessibleName(QStringLiteral("Name im C-Code"));
    // Only what a C identifier may hold can be typed.
    name->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*")), name));
    addRow(dialog, QStringLiteral("&Name im C-Code:"), name);
    return name;
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
    return targetPath(std::move(chosen), "." + exportExtension(kind), exportsFolder(kind));
}

std::optional<ExportChoice> chooseExport(QWidget* parent, const std::optional<ExportChoice>& last) {
    QFileDialog dialog(parent, QStringLiteral("Bilder exportieren"));
    QStringList filters;
    for (ExportKind kind : kKinds)
        filters << exportFilter(kind);
    setUpSaveDialog(dialog, "BilderExportieren", filters);
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
        // A folder of picture files and a file alike lie in the folder the user was in.
        openInFolderOf(dialog, last->path);
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

QString fontFilter(FontFormat format) {
    switch (format) {
    case FontFormat::Gfx:
        return QStringLiteral("Adafruit-GFX-Schrift (*.h)");
    case FontFormat::C:
        return QStringLiteral("C-Bibliothek mit Layout (*.h)");
    case FontFormat::Bdf:
        break;
    }
    return QStringLiteral("BDF-Schrift (*.bdf)");
}

std::optional<FontChoice> chooseFontExport(QWidget* parent, const std::optional<FontChoice>& last) {
    QFileDialog dialog(parent, QStringLiteral("Zeichensatz exportieren"));
    QStringList filters;
    for (const FontFormatName& f : fontFormats())
        filters << fontFilter(f.format);
    setUpSaveDialog(dialog, "ZeichensatzExportieren", filters);
    QLineEdit* name = addNameChoice(dialog);
    const auto formatOf = [&](const QString& filter) {
        return fontFormats()[static_cast<std::size_t>(
                                 std::max<qsizetype>(0, filters.indexOf(filter)))]
            .format;
    };
    const auto followFilter = [&](const QString& filter) {
        const FontFormat format = formatOf(filter);
        dialog.setDefaultSuffix(QString::fromUtf8(fontFormatName(format).extension));
        name->setEnabled(format != FontFormat::Bdf);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    const FontChoice start = last.value_or(FontChoice{});
    if (last)
        openInFolderOf(dialog, last->path);
    dialog.selectNameFilter(fontFilter(start.format));
    followFilter(fontFilter(start.format));
    name->setText(QString::fromStdString(start.name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    FontChoice choice{formatOf(dialog.selectedNameFilter()), name->text().toStdString(), {}};
    const std::string extension(fontFormatName(choice.format).extension);
    choice.path = targetPath(dialog.selectedFiles().first().toStdString(), "." + extension, false);
    return choice;
}

} // namespace smssim
