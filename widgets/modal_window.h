#pragma once
// A modal window of the program. Escape does what the window's close box does, so a
// keyboard user can always leave it the way a mouse user would.

#include <QDialog>

class QKeyEvent;

namespace smssim {

class ModalWindow : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace smssim
