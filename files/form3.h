#pragma once
// Form3, "Öffnen": picks an existing file. Serves the message use (with a live preview
// of each clicked file) and the phone definition use. The result is left in
// state.Dateiname: a full path, or "" when cancelled.

#include "file_dialog.h"

#include <functional>
#include <string>

class QLabel;

namespace smssim {

class Form3 : public FileDialog {
    Q_OBJECT
  public:
    // `preview` puts a message (Windows-1252 bytes) into the main window's message box.
    Form3(Module1& state, MessageBoxes& boxes,
          std::function<void(const std::string& cp1252Text)> preview, QWidget* parent = nullptr);

    // File1.Pattern and Label1.Caption, set by the caller before exec().
    void setPattern(const QString& pattern);
    void setLabelCaption(const QString& caption);

    void Form_Load() { openRememberedFolder(); }
    void Platte_Change() override { showDriveDirectory(); }
    void Verzeichnis_Change() override { showDirectoryFiles(); }
    void Command2_Click() override { cancel(); }
    // A click shows a preview while Vorschau is on; OK and a double click open the file.
    void File1_Click() override;
    void File1_DblClick() override { Oeffnen(); }
    void Command1_Click() override { Oeffnen(); }
    // "Öffnen" in ASCII, as moc wants identifiers.
    void Oeffnen();

  private:
    void createControls();
    std::string selectedPath() const;

    std::function<void(const std::string&)> preview_;

    QLabel* Label1 = nullptr;
};

} // namespace smssim
