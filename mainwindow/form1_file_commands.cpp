// The menu commands that choose files: loading a phone definition, opening and saving a
// message. They come with the open and save-as dialogs.

#include "form1.h"

#include "form2.h"
#include "form3.h"
#include "message_file.h"

namespace smssim {

void Form1::Zeichensatz_Click() {
    {
        // A fresh dialog for every use; it is gone before the phone is loaded.
        Form3 form3(
            state_, boxes_, [this](const std::string& text) { setMessageText(text); }, this);
        form3.setPattern(QStringLiteral("*.bsd"));
        form3.setLabelCaption(QStringLiteral("Zeichensatz - Dateien:"));
        placeClearOfDisplay(form3);
        form3.exec();
    }
    // A refused file is named in a message box by loadPhone; the phone stays.
    if (!state_.Dateiname.empty())
        loadPhone(state_.Dateiname);
    // Also after cancel: the display always returns to picture 1.
    setText6(QStringLiteral("1"));
    state_.Bildversatz = 0;
    DisplayZeichnen();
}

void Form1::Öffnen_Click() {
    // Order is critical: the previews render with Vorschau set and at picture 1.
    state_.Vorschau = true;
    setText6(QStringLiteral("1"));
    state_.Bildversatz = 0;
    const std::string before = messageText();
    {
        Form3 form3(
            state_, boxes_, [this](const std::string& text) { setMessageText(text); }, this);
        form3.setLabelCaption(QStringLiteral("Bestehende ") +
                              QString::fromStdString(state_.Telefonname) +
                              QStringLiteral(" - Textdateien:"));
        form3.setPattern(QStringLiteral("*") + QString::fromStdString(state_.Dateiendung));
        // The preview of each clicked file must be seen.
        placeClearOfDisplay(form3);
        form3.exec();
    }
    if (!state_.Dateiname.empty()) {
        const Result<std::string> read = NachrichtLesen(state_.Dateiname);
        if (read) {
            setMessageText(*read);
            keptText_ = messageText();
        } else {
            boxes_.warn(this, QString::fromStdString(read.error().reason));
            // The file is not taken: undo any preview, as a cancel does.
            setMessageText(before);
        }
    } else {
        setMessageText(before);
    }
    state_.Vorschau = false;
    state_.Dateiname.clear();
}

void Form1::Speichern_Click() {
    Form2 form2(state_, boxes_, messageText(), this);
    placeClearOfDisplay(form2);
    if (form2.exec() == QDialog::Accepted)
        keptText_ = messageText();
}

} // namespace smssim
