#pragma once
// A modal window of the program. Escape does what the window's close box does, so a
// keyboard user can always leave it the way a mouse user would.

#include <QDialog>

class QEvent;
class QKeyEvent;

namespace smssim {

// When a modal window over `window` closes, Qt leaves it to the window manager to make
// another window active. Where none does, no window of the program has the keyboard and
// its shortcuts do nothing until a click; so the window that the closed one blocked asks
// for it, while the program is the active one.
void activateWhenUnblocked(QWidget& window, const QEvent& event);

class ModalWindow : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace smssim
