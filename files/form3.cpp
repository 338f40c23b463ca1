#include "form3.h"

#include "dialog_paths.h"
#include "directory_list.h"
#include "drive_list.h"
#include "file_list.h"
#include "message_file.h"
#include "named.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

namespace smssim {

Form3::Form3(Module1& state, MessageBoxes& boxes,
             std::function<void(const std::string& cp1252Text)> preview, QWidget* parent)
    : FileDialog(state, boxes,
                 {"Form3", QStringLiteral("Öffnen"), twipsSize(5445, 4155), QStringLiteral("*.txt"),
                  QStringLiteral("&OK"), QStringLiteral("&Abbrechen"), kOpenFolder, kSaveFolder},
                 parent),
      preview_(std::move(preview)) {
    createControls();
    Form_Load();
}

void Form3::createControls() {
    Verzeichnis->setGeometry(twipsRect(120, 120, 3375, 1215));
    File1->setGeometry(twipsRect(120, 1800, 3375, 2235));
    Command1->setGeometry(twipsRect(3720, 240, 1575, 495));
    Command2->setGeometry(twipsRect(3720, 840, 1575, 495));
    Platte->setGeometry(twipsRect(3720, 1800, 1575, 315));

    // Across to the right edge of the buttons, not just the list's width, and ending where
    // the list and the drive list begin: "Bestehende <phone> - Textdateien:" fits for a
    // phone name of 20 characters.
    Label1 = named(new QLabel(QStringLiteral("Textdateien:"), this), "Label1",
                   twipsRect(120, 1560, 5175, 240));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // For screen readers; the file list is named after its caption (setLabelCaption).
    File1->setAccessibleName(QStringLiteral("Textdateien"));
    setTabOrder(Verzeichnis, File1);
    setTabOrder(File1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Platte);
    Verzeichnis->setFocus();
}

void Form3::setPattern(const QString& pattern) {
    File1->setPattern(pattern);
}

void Form3::setLabelCaption(const QString& caption) {
    Label1->setText(caption);
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    File1->setAccessibleName(name.trimmed());
}

std::string Form3::selectedPath() const {
    return openDialogPath(Verzeichnis->Path(), File1->List(File1->ListIndex())).toStdString();
}

void Form3::File1_Click() {
    state_.Dateiname = selectedPath();
    if (state_.Vorschau) {
        const Result<std::string> read = NachrichtLesen(state_.Dateiname);
        if (read)
            preview_(*read);
        else
            warn(QString::fromStdString(read.error().reason));
    }
    state_.Dateiname.clear();
}

void Form3::Oeffnen() {
    if (File1->List(File1->ListIndex()).isEmpty()) {
        warn(QStringLiteral("Datei auswählen!"));
        return;
    }
    state_.Dateiname = selectedPath();
    QDialog::done(QDialog::Accepted);
}

} // namespace smssim
