#include "export_dialog.h"

#include "directory_list.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace smssim {

namespace {

constexpr ExportKind kKinds[] = {ExportKind::PngFiles, ExportKind::Gif, ExportKind::Sheet};

// The scale below the file type, where Qt's own dialog lays out its rows.
QSpinBox* addScaleChoice(QFileDialog& dialog) {
    auto* scale = new QSpinBox(&dialog);
    scale->setObjectName(QStringLiteral("Vergroesserung"));
    scale->setRange(1, kMaxExportScale);
    scale->setSuffix(QStringLiteral(" ×"));
    scale->setAccessibleName(QStringLiteral("Vergrößerung"));
    auto* label = new QLabel(QStringLiteral("&Vergrößerung:"), &dialog);
    label->setBuddy(scale);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(scale, row, 1);
    }
    return scale;
}

} // namespace

QString exportFilter(ExportKind kind) {
    switch (kind) {
    case ExportKind::PngFiles:
        return QStringLiteral("PNG-Bilder, eins je Bild (*.png)");
    case ExportKind::Gif:
        return QStringLiteral("GIF-Animation (*.gif)");
    case ExportKind::Sheet:
        break;
    }
    return QStringLiteral("Übersicht (*.png)");
}

std::string exportTarget(ExportKind kind, std::string chosen) {
    const std::string extension = kind == ExportKind::Gif ? ".gif" : ".png";
    const bool hasExtension = chosen.size() > extension.size() &&
                              QString::fromStdString(chosen).endsWith(
                                  QString::fromStdString(extension), Qt::CaseInsensitive);
    if (kind == ExportKind::PngFiles) {
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
    // The name gets the extension of the kind chosen; a folder of PNG files replaces
    // nothing that the dialog could ask about.
    const auto followFilter = [&dialog, &filters](const QString& filter) {
        const auto kind = kKinds[std::max<qsizetype>(0, filters.indexOf(filter))];
        dialog.setDefaultSuffix(kind == ExportKind::Gif ? QStringLiteral("gif")
                                                        : QStringLiteral("png"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, kind == ExportKind::PngFiles);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    followFilter(filters.first());
    QSpinBox* scale = addScaleChoice(dialog);
    if (last) {
        // A folder of PNG files and a file alike lie in the folder the user was in.
        dialog.setDirectory(
            nearestExistingDirectory(QFileInfo(QString::fromStdString(last->path)).absolutePath()));
        const QString filter = exportFilter(last->settings.kind);
        dialog.selectNameFilter(filter);
        followFilter(filter);
        scale->setValue(last->settings.scale);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const auto index = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    ExportChoice choice;
    choice.settings.kind = kKinds[index];
    choice.settings.scale = scale->value();
    choice.path = exportTarget(choice.settings.kind, dialog.selectedFiles().first().toStdString());
    return choice;
}

} // namespace smssim
