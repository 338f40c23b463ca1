#pragma once
// Form2, "Speichern unter..": picks a folder and a name and writes the message there
// after a confirmation. A failed save says why and leaves the dialog open.

#include "message_boxes.h"
#include "message_file.h"
#include "state.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace smssim {

class DirectoryList;
class DriveList;
class FileList;

class Form2 : public QDialog {
    Q_OBJECT
  public:
    // `cp1252Text` is the message to save (Windows-1252 bytes).
    Form2(Module1& state, MessageBoxes& boxes, std::string cp1252Text, QWidget* parent = nullptr);

    // The system calls the save goes through; tests make them fail.
    void setFileSystemCalls(FileSystemCalls& calls) { calls_ = &calls; }

    // Closing through the window frame (or reject() from code) counts as Abbrechen.
    void reject() override;

    void Form_Load();
    void Platte_Change();
    void Verzeichnis_Change();
    void File1_Click();
    void File1_DblClick();
    void Command1_Click();
    void Command2_Click();
    void Speichern();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void connectHandlers();

    Module1& state_;
    MessageBoxes& boxes_;
    std::string text_;
    FileSystemCalls* calls_ = &realFileSystemCalls();

    QPushButton* Command1 = nullptr;
    QLineEdit* Text1 = nullptr;
    DriveList* Platte = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label1 = nullptr;
    DirectoryList* Verzeichnis = nullptr;
    FileList* File1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace smssim
