#include "form2.h"

#include "dialog_paths.h"
#include "directory_list.h"
#include "drive_list.h"
#include "file_list.h"
#include "message_file.h"
#include "named.h"
#include "twips.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace smssim {

Form2::Form2(Module1& state, MessageBoxes& boxes, std::string cp1252Text, QWidget* parent)
    : FileDialog(state, boxes,
                 {"Form2", QStringLiteral("Speichern unter.."), twipsSize(5775, 4155),
                  QStringLiteral("*.n51"), QStringLiteral("OK"), QStringLiteral("Abbrechen"),
                  kSaveFolder, kOpenFolder},
                 parent),
      text_(std::move(cp1252Text)) {
    createControls();
    Form_Load();
}

void Form2::createControls() {
    Text1 = named(new QLineEdit(this), "Text1", twipsRect(1560, 3600, 4095, 375));
    Command1->setGeometry(twipsRect(3960, 240, 1695, 495));
    Platte->setGeometry(twipsRect(3960, 1440, 1695, 315));
    Command2->setGeometry(twipsRect(3960, 840, 1695, 495));
    Label1 = named(new QLabel(QStringLiteral("Neue Datei:"), this), "Label1",
                   twipsRect(120, 3720, 1095, 255));
    Verzeichnis->setGeometry(twipsRect(120, 120, 3615, 1665));
    File1->setGeometry(twipsRect(1560, 1920, 4095, 1455));
    Label2 = named(new QLabel(QStringLiteral("Bestehende Nokia 5110 - Textdateien:"), this),
                   "Label2", twipsRect(240, 2280, 1215, 735));
    Label2->setWordWrap(true);
    // Captions stand top left, as in every window.
    for (QLabel* label : {Label1, Label2})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // For screen readers; the lists and the name box have no caption of their own.
    Text1->setAccessibleName(QStringLiteral("Neue Datei"));
    File1->setAccessibleName(QStringLiteral("Bestehende Textdateien"));
    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Platte);
    setTabOrder(Platte, Command2);
    setTabOrder(Command2, Verzeichnis);
    setTabOrder(Verzeichnis, File1);
    Command1->setFocus();
}

void Form2::Form_Load() {
    Label2->setText(QStringLiteral("Bestehende ") + QString::fromStdString(state_.Telefonname) +
                    QStringLiteral(" - Textdateien:"));
    File1->setPattern(QStringLiteral("*") + QString::fromStdString(state_.Dateiendung));
    openRememberedFolder();
}

void Form2::File1_Click() {
    Text1->setText(File1->List(File1->ListIndex()));
}

void Form2::Speichern() {
    if (Text1->text().isEmpty()) {
        warn(QStringLiteral("Dateinamen eingeben!"));
        return;
    }
    const QString fullName = saveDialogName(Verzeichnis->Path(), Text1->text(),
                                            QString::fromStdString(state_.Dateiendung));
    if (boxes_.ask(this, QStringLiteral("In Datei ") + fullName + QStringLiteral(" speichern?"),
                   QStringLiteral("Dateiname"), MessageBoxes::Buttons::OkCancel,
                   MessageBoxes::Icon::Question) != MessageBoxes::Answer::Ok)
        return;
    if (const auto saved =
            NachrichtSchreiben(QFile::encodeName(fullName).toStdString(), text_, *calls_);
        !saved) {
        warn(QString::fromStdString(saved.error().reason));
        return;
    }
    QDialog::done(QDialog::Accepted);
}

} // namespace smssim
