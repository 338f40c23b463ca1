#include "file_dialog.h"

#include "directory_list.h"
#include "drive_list.h"
#include "file_list.h"
#include "fonts.h"

#include <QPushButton>

namespace smssim {

FileDialog::FileDialog(Module1& state, MessageBoxes& boxes, const FileDialogSetup& setup,
                       QWidget* parent)
    : ModalWindow(parent), state_(state), boxes_(boxes), own_(setup.own), other_(setup.other) {
    setObjectName(QLatin1String(setup.name));
    setWindowTitle(setup.caption);
    // No font of their own in the layout: the default of every window.
    setFont(layoutFont());
    setFixedSize(setup.size);

    Verzeichnis = new DirectoryList(this);
    Verzeichnis->setObjectName(QStringLiteral("Verzeichnis"));
    Verzeichnis->setAccessibleName(QStringLiteral("Verzeichnis"));

    File1 = new FileList(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setPattern(setup.pattern);
    File1->setPath(Verzeichnis->Path());

    Platte = new DriveList(this, &state_.Laufwerksverzeichnisse);
    Platte->setObjectName(QStringLiteral("Platte"));
    Platte->setAccessibleName(QStringLiteral("Laufwerk"));

    Command1 = new QPushButton(setup.okText, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    Command2 = new QPushButton(setup.cancelText, this);
    Command2->setObjectName(QStringLiteral("Command2"));

    connectHandlers();
}

void FileDialog::connectHandlers() {
    // The drive list follows the directory list first, so that Verzeichnis_Change
    // already reads the volume of the new directory. The handlers are called when the
    // lists change, which is after the dialog is fully built.
    connect(Verzeichnis, &DirectoryList::Change, Platte,
            [this] { Platte->follow(Verzeichnis->Path()); });
    connect(Verzeichnis, &DirectoryList::Change, this, [this] { Verzeichnis_Change(); });
    connect(Platte, &DriveList::Change, this, [this] { Platte_Change(); });
    connect(File1, &FileList::Click, this, [this] { File1_Click(); });
    connect(File1, &FileList::DblClick, this, [this] { File1_DblClick(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void FileDialog::openRememberedFolder() {
    if (!(state_.*own_.pfad).empty())
        Verzeichnis->setPath(QString::fromStdString(state_.*own_.pfad));
    else if (!(state_.*other_.pfad).empty())
        Verzeichnis->setPath(QString::fromStdString(state_.*other_.pfad));
}

void FileDialog::showDriveDirectory() {
    Verzeichnis->setPath(Platte->currentDirectory());
    remember();
}

void FileDialog::showDirectoryFiles() {
    File1->setPath(Verzeichnis->Path());
    remember();
}

void FileDialog::remember() {
    state_.*own_.laufwerk = Platte->Drive().toStdString();
    state_.*own_.pfad = Verzeichnis->Path().toStdString();
}

void FileDialog::cancel() {
    QDialog::done(QDialog::Rejected);
    state_.Dateiname.clear();
}

void FileDialog::warn(const QString& text) {
    boxes_.warn(this, text);
}

} // namespace smssim
