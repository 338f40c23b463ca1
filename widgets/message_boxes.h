#pragma once
// The one seam through which every window asks the user a question or tells of an
// error, so that tests answer message boxes without a person.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace smssim {

class MessageBoxes {
  public:
    enum class Icon { None, Critical, Question, Exclamation };
    // YesNoDefaultNo: Ja and Nein with Nein the default, for questions where Ja loses data.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxes() = default;
    // A modal message box; the first button (OK or Yes) is the default button unless the
    // buttons say otherwise.
    virtual Answer ask(QWidget* parent, const QString& text, const QString& caption,
                       Buttons buttons, Icon icon) = 0;
    // What went wrong, in the one box every window shows it in: "Achtung", OK, a warning.
    void warn(QWidget* parent, const QString& text) {
        ask(parent, text, QStringLiteral("Achtung"), Buttons::Ok, Icon::Exclamation);
    }
};

// Real QMessageBox with German button texts ("Ja", "Nein", "OK", "Abbrechen"); J and N
// answer with or without Alt.
class QtMessageBoxes : public MessageBoxes {
  public:
    Answer ask(QWidget* parent, const QString& text, const QString& caption, Buttons buttons,
               Icon icon) override;
};

} // namespace smssim
