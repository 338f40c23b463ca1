#pragma once
// Form2, "Speichern unter..": picks a folder and a name and writes the message there
// after a confirmation. A failed save says why and leaves the dialog open.

#include "file_dialog.h"
#include "message_file.h"

#include <string>

class QLabel;
class QLineEdit;

namespace smssim {

class Form2 : public FileDialog {
    Q_OBJECT
  public:
    // `cp1252Text` is the message to save (Windows-1252 bytes).
    Form2(Module1& state, MessageBoxes& boxes, std::string cp1252Text, QWidget* parent = nullptr);

    // The system calls the save goes through; tests make them fail.
    void setFileSystemCalls(FileSystemCalls& calls) { calls_ = &calls; }

    void Form_Load();
    void Platte_Change() override { showDriveDirectory(); }
    void Verzeichnis_Change() override { showDirectoryFiles(); }
    void File1_Click() override;
    void Command2_Click() override { cancel(); }
    // OK and a double click on a file both save.
    void File1_DblClick() override { Speichern(); }
    void Command1_Click() override { Speichern(); }
    void Speichern();

  private:
    void createControls();

    std::string text_;
    FileSystemCalls* calls_ = &realFileSystemCalls();

    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace smssim
