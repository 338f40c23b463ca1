#include "form2.h"

#include "dialog_paths.h"
#include "directory_list.h"
#include "drive_list.h"
#include "file_list.h"
#include "message_file.h"
#include "twips.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace smssim {

Form2::Form2(Module1& state, MessageBoxes& boxes, std::string cp1252Text, QWidget* parent)
    : QDialog(parent), state_(state), boxes_(boxes), text_(std::move(cp1252Text)) {
    // Order is critical: the lists must exist and be wired before Form_Load moves them.
    createControls();
    connectHandlers();
    Form_Load();
}

void Form2::createControls() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Speichern unter.."));
    setFixedSize(twipsSize(5775, 4155));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(3960, 240, 1695, 495));
    Command1->setDefault(true);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(1560, 3600, 4095, 375));

    Platte = new DriveList(this, &state_.Laufwerksverzeichnisse);
    Platte->setObjectName(QStringLiteral("Platte"));
    Platte->setGeometry(twipsRect(3960, 1440, 1695, 315));

    Command2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(3960, 840, 1695, 495));

    Label1 = new QLabel(QStringLiteral("Neue Datei:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 3720, 1095, 255));

    Verzeichnis = new DirectoryList(this);
    Verzeichnis->setObjectName(QStringLiteral("Verzeichnis"));
    Verzeichnis->setGeometry(twipsRect(120, 120, 3615, 1665));

    File1 = new FileList(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(twipsRect(1560, 1920, 4095, 1455));
    File1->setPattern(QStringLiteral("*.n51"));
    File1->setPath(Verzeichnis->Path());

    Label2 = new QLabel(QStringLiteral("Bestehende Nokia 5110 - Textdateien:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(240, 2280, 1215, 735));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // For screen readers; the lists and the name box have no caption of their own.
    Text1->setAccessibleName(QStringLiteral("Neue Datei"));
    Platte->setAccessibleName(QStringLiteral("Laufwerk"));
    Verzeichnis->setAccessibleName(QStringLiteral("Verzeichnis"));
    File1->setAccessibleName(QStringLiteral("Bestehende Textdateien"));
    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Platte);
    setTabOrder(Platte, Command2);
    setTabOrder(Command2, Verzeichnis);
    setTabOrder(Verzeichnis, File1);
    Command1->setFocus();
}

void Form2::connectHandlers() {
    // The drive list follows the directory list first, so that Verzeichnis_Change
    // already reads the volume of the new directory.
    connect(Verzeichnis, &DirectoryList::Change, Platte,
            [this] { Platte->follow(Verzeichnis->Path()); });
    connect(Verzeichnis, &DirectoryList::Change, this, &Form2::Verzeichnis_Change);
    connect(Platte, &DriveList::Change, this, &Form2::Platte_Change);
    connect(File1, &FileList::Click, this, &Form2::File1_Click);
    connect(File1, &FileList::DblClick, this, &Form2::File1_DblClick);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

// Both lists show the remembered directory and its volume: the drive list follows the
// directory list, so the remembered drive needs no assignment of its own.
void Form2::Form_Load() {
    Label2->setText(QStringLiteral("Bestehende ") + QString::fromStdString(state_.Telefonname) +
                    QStringLiteral(" - Textdateien:"));
    File1->setPattern(QStringLiteral("*") + QString::fromStdString(state_.Dateiendung));
    if (!state_.SpeichernPfad.empty())
        Verzeichnis->setPath(QString::fromStdString(state_.SpeichernPfad));
    else if (!state_.OeffnenPfad.empty())
        Verzeichnis->setPath(QString::fromStdString(state_.OeffnenPfad));
}

void Form2::Platte_Change() {
    Verzeichnis->setPath(Platte->currentDirectory());
    state_.SpeichernLaufwerk = Platte->Drive().toStdString();
    state_.SpeichernPfad = Verzeichnis->Path().toStdString();
}

void Form2::Verzeichnis_Change() {
    File1->setPath(Verzeichnis->Path());
    state_.SpeichernLaufwerk = Platte->Drive().toStdString();
    state_.SpeichernPfad = Verzeichnis->Path().toStdString();
}

void Form2::File1_Click() {
    Text1->setText(File1->List(File1->ListIndex()));
}

void Form2::File1_DblClick() {
    Speichern();
}

void Form2::Command1_Click() {
    Speichern();
}

void Form2::Command2_Click() {
    QDialog::done(QDialog::Rejected);
    state_.Dateiname.clear();
}

void Form2::Speichern() {
    if (Text1->text().isEmpty()) {
        boxes_.ask(this, QStringLiteral("Dateinamen eingeben!"), QStringLiteral("Achtung"),
                   MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
        return;
    }
    const QString fullName = saveDialogName(Verzeichnis->Path(), Text1->text(),
                                            QString::fromStdString(state_.Dateiendung));
    if (boxes_.ask(this, QStringLiteral("In Datei ") + fullName + QStringLiteral(" speichern?"),
                   QStringLiteral("Dateiname"), MessageBoxes::Buttons::OkCancel,
                   MessageBoxes::Icon::Question) != MessageBoxes::Answer::Ok)
        return;
    if (const auto error =
            NachrichtSchreiben(QFile::encodeName(fullName).toStdString(), text_, *calls_)) {
        boxes_.ask(this, QString::fromStdString(error->text()), QStringLiteral("Achtung"),
                   MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
        return;
    }
    QDialog::done(QDialog::Accepted);
}

void Form2::reject() {
    Command2_Click();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // The dialog has no cancel button for Escape; only Abbrechen and the frame close it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace smssim
