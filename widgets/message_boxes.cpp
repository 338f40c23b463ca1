#include "message_boxes.h"

#include <QPushButton>

namespace smssim {

MessageBoxes::Answer QtMessageBoxes::ask(QWidget* parent, const QString& text,
                                         const QString& caption, Buttons buttons, Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    // Own buttons with German texts: the machine may have no German Qt translation.
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    switch (buttons) {
    case Buttons::Ok:
        first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case Buttons::OkCancel:
        first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        second = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        break;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        // The access keys answer with or without Alt, as Qt's own boxes do.
        first = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        second = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        break;
    }
    box.setDefaultButton(buttons == Buttons::YesNoDefaultNo ? second : first);
    box.setEscapeButton(second ? second : first);
    box.exec();
    const bool firstPressed = box.clickedButton() == first;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return firstPressed ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        break;
    }
    return firstPressed ? Answer::Yes : Answer::No;
}

} // namespace smssim
