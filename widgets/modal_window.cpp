#include "modal_window.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace smssim {

void activateWhenUnblocked(QWidget& window, const QEvent& event) {
    if (event.type() == QEvent::WindowUnblocked &&
        QGuiApplication::applicationState() == Qt::ApplicationActive)
        window.activateWindow();
}

bool ModalWindow::event(QEvent* event) {
    // A message box over this window, "Dateinamen eingeben!" say, has closed.
    activateWhenUnblocked(*this, *event);
    return QDialog::event(event);
}

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
