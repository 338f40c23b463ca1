#pragma once
// Form3, "Öffnen": picks an existing file. Serves the message use (with a live preview
// of each clicked file) and the phone definition use. The result is left in
// state.Dateiname: a full path, or "" when cancelled.

#include "message_boxes.h"
#include "state.h"

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace smssim {

class DirectoryList;
class DriveList;
class FileList;

class Form3 : public QDialog {
    Q_OBJECT
  public:
    // `preview` puts a message (Windows-1252 bytes) into the main window's message box.
    Form3(Module1& state, MessageBoxes& boxes,
          std::function<void(const std::string& cp1252Text)> preview, QWidget* parent = nullptr);

    // File1.Pattern and Label1.Caption, set by the caller before exec().
    void setPattern(const QString& pattern);
    void setLabelCaption(const QString& caption);

    // Closing through the window frame (or reject() from code) counts as Abbrechen.
    void reject() override;

    void Form_Load();
    void Platte_Change();
    void Verzeichnis_Change();
    void File1_Click();
    void File1_DblClick();
    void Command1_Click();
    void Command2_Click();
    // "Öffnen" in ASCII, as moc wants identifiers.
    void Oeffnen();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void connectHandlers();
    std::string selectedPath() const;

    Module1& state_;
    MessageBoxes& boxes_;
    std::function<void(const std::string&)> preview_;

    DirectoryList* Verzeichnis = nullptr;
    FileList* File1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    DriveList* Platte = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace smssim
