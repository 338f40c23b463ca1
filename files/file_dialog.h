#pragma once
// What the open and the save-as dialog share: the drive, directory and file lists, their
// wiring to the handlers, the folder each dialog remembers in the state, and cancelling.

#include "message_boxes.h"
#include "modal_window.h"
#include "state.h"

#include <QSize>
#include <QString>
#include <string>

class QPushButton;

namespace smssim {

class DirectoryList;
class DriveList;
class FileList;

// The pair of state members in which a dialog remembers where the user worked.
struct RememberedFolder {
    std::string Module1::*pfad;
    std::string Module1::*laufwerk;
};

inline constexpr RememberedFolder kOpenFolder{&Module1::OeffnenPfad, &Module1::OeffnenLaufwerk};
inline constexpr RememberedFolder kSaveFolder{&Module1::SpeichernPfad, &Module1::SpeichernLaufwerk};

// What differs between the dialogs in the parts they share.
struct FileDialogSetup {
    const char* name;
    QString caption;
    QSize size;
    QString pattern; // of File1 until Form_Load or the caller sets another
    QString okText;
    QString cancelText;
    RememberedFolder own;   // where this dialog remembers its folder
    RememberedFolder other; // where it opens while it has none of its own
};

class FileDialog : public ModalWindow {
    Q_OBJECT
  public:
    // Closing through the window frame (or reject() from code) counts as Abbrechen.
    void reject() override { Command2_Click(); }

    virtual void Platte_Change() = 0;
    virtual void Verzeichnis_Change() = 0;
    virtual void File1_Click() = 0;
    virtual void File1_DblClick() = 0;
    virtual void Command1_Click() = 0;
    virtual void Command2_Click() = 0;

  protected:
    // Creates the three lists and the two buttons, which the dialog places, and connects
    // them to the handlers. Nothing moves the lists before the dialog's Form_Load.
    FileDialog(Module1& state, MessageBoxes& boxes, const FileDialogSetup& setup, QWidget* parent);

    // The lists open at this dialog's remembered folder, else at the other dialog's. The
    // drive list follows the directory list, so the drive needs no assignment of its own.
    void openRememberedFolder();
    // The bodies of Platte_Change and Verzeichnis_Change.
    void showDriveDirectory();
    void showDirectoryFiles();
    // The body of Command2_Click: closes without a file.
    void cancel();
    // An "Achtung" message with the exclamation icon and OK.
    void warn(const QString& text);

    Module1& state_;
    MessageBoxes& boxes_;

    DirectoryList* Verzeichnis = nullptr;
    FileList* File1 = nullptr;
    DriveList* Platte = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  private:
    void connectHandlers();
    void remember();

    RememberedFolder own_;
    RememberedFolder other_;
};

} // namespace smssim
