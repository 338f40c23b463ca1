#include "form3.h"

#include "dialog_paths.h"
#include "directory_list.h"
#include "drive_list.h"
#include "file_list.h"
#include "message_file.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace smssim {

Form3::Form3(Module1& state, MessageBoxes& boxes,
             std::function<void(const std::string& cp1252Text)> preview, QWidget* parent)
    : QDialog(parent), state_(state), boxes_(boxes), preview_(std::move(preview)) {
    // Order is critical: the lists must exist and be wired before Form_Load moves them.
    createControls();
    connectHandlers();
    Form_Load();
}

void Form3::createControls() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Öffnen"));
    setFixedSize(twipsSize(5445, 4155));

    Verzeichnis = new DirectoryList(this);
    Verzeichnis->setObjectName(QStringLiteral("Verzeichnis"));
    Verzeichnis->setGeometry(twipsRect(120, 120, 3375, 1215));

    File1 = new FileList(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(twipsRect(120, 1800, 3375, 2235));
    File1->setPattern(QStringLiteral("*.txt"));
    File1->setPath(Verzeichnis->Path());

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(3720, 240, 1575, 495));
    Command1->setDefault(true);

    Command2 = new QPushButton(QStringLiteral("&Abbrechen"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(3720, 840, 1575, 495));

    Platte = new DriveList(this, &state_.Laufwerksverzeichnisse);
    Platte->setObjectName(QStringLiteral("Platte"));
    Platte->setGeometry(twipsRect(3720, 1800, 1575, 315));

    Label1 = new QLabel(QStringLiteral("Textdateien:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 1560, 3135, 255));

    // For screen readers; the file list is named after its caption (setLabelCaption).
    Verzeichnis->setAccessibleName(QStringLiteral("Verzeichnis"));
    File1->setAccessibleName(QStringLiteral("Textdateien"));
    Platte->setAccessibleName(QStringLiteral("Laufwerk"));
    setTabOrder(Verzeichnis, File1);
    setTabOrder(File1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Platte);
    Verzeichnis->setFocus();
}

void Form3::connectHandlers() {
    // The drive list follows the directory list first, so that Verzeichnis_Change
    // already reads the volume of the new directory.
    connect(Verzeichnis, &DirectoryList::Change, Platte,
            [this] { Platte->follow(Verzeichnis->Path()); });
    connect(Verzeichnis, &DirectoryList::Change, this, &Form3::Verzeichnis_Change);
    connect(Platte, &DriveList::Change, this, &Form3::Platte_Change);
    connect(File1, &FileList::Click, this, &Form3::File1_Click);
    connect(File1, &FileList::DblClick, this, &Form3::File1_DblClick);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
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

// Both lists show the remembered directory and its volume: the drive list follows the
// directory list, so the remembered drive needs no assignment of its own.
void Form3::Form_Load() {
    if (!state_.OeffnenPfad.empty())
        Verzeichnis->setPath(QString::fromStdString(state_.OeffnenPfad));
    else if (!state_.SpeichernPfad.empty())
        Verzeichnis->setPath(QString::fromStdString(state_.SpeichernPfad));
}

void Form3::Platte_Change() {
    Verzeichnis->setPath(Platte->currentDirectory());
    state_.OeffnenLaufwerk = Platte->Drive().toStdString();
    state_.OeffnenPfad = Verzeichnis->Path().toStdString();
}

void Form3::Verzeichnis_Change() {
    File1->setPath(Verzeichnis->Path());
    state_.OeffnenLaufwerk = Platte->Drive().toStdString();
    state_.OeffnenPfad = Verzeichnis->Path().toStdString();
}

std::string Form3::selectedPath() const {
    return openDialogPath(Verzeichnis->Path(), File1->List(File1->ListIndex())).toStdString();
}

void Form3::File1_Click() {
    state_.Dateiname = selectedPath();
    if (state_.Vorschau) {
        const MessageReadResult read = NachrichtLesen(state_.Dateiname);
        if (const auto* text = std::get_if<std::string>(&read))
            preview_(*text);
        else
            boxes_.ask(this, QString::fromStdString(std::get<MessageFileError>(read).text()),
                       QStringLiteral("Achtung"), MessageBoxes::Buttons::Ok,
                       MessageBoxes::Icon::Exclamation);
    }
    state_.Dateiname.clear();
}

void Form3::File1_DblClick() {
    Oeffnen();
}

void Form3::Command1_Click() {
    Oeffnen();
}

void Form3::Command2_Click() {
    QDialog::done(QDialog::Rejected);
    state_.Dateiname.clear();
}

void Form3::Oeffnen() {
    if (File1->List(File1->ListIndex()).isEmpty()) {
        boxes_.ask(this, QStringLiteral("Datei auswählen!"), QStringLiteral("Achtung"),
                   MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
        return;
    }
    state_.Dateiname = selectedPath();
    QDialog::done(QDialog::Accepted);
}

void Form3::reject() {
    Command2_Click();
}

void Form3::keyPressEvent(QKeyEvent* event) {
    // The dialog has no cancel button for Escape; only Abbrechen and the frame close it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace smssim
