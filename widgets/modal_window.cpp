#include "modal_window.h"

#include <QKeyEvent>

namespace smssim {

void ModalWindow::keyPressEvent(QKeyEvent* event) {
    // Through close(), not reject(): a window that treats its close box specially gets
    // the same treatment for Escape.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace smssim
