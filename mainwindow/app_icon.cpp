#include "app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace smssim {

QIcon appIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Body and antenna.
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.setBrush(QColor(60, 66, 80));
    p.drawRoundedRect(QRectF(7.5, 3.5, 17, 28), 3, 3);
    p.fillRect(QRect(20, 0, 2, 4), QColor(60, 66, 80));

    // Display with a few dark dots, as the program draws text.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(10, 6, 12, 9), QColor(150, 190, 120));
    const QColor ink(20, 30, 20);
    for (const QPoint dot :
         {QPoint(11, 7), QPoint(12, 7), QPoint(11, 8), QPoint(11, 9), QPoint(12, 9), QPoint(14, 8),
          QPoint(15, 7), QPoint(15, 9), QPoint(17, 7), QPoint(17, 8), QPoint(17, 9), QPoint(19, 8),
          QPoint(11, 12), QPoint(13, 12), QPoint(15, 12), QPoint(17, 12)})
        p.fillRect(QRect(dot, QSize(1, 1)), ink);

    // Keypad: three columns of four keys.
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            p.fillRect(QRect(11 + column * 4, 18 + row * 3, 2, 2), QColor(200, 204, 214));
    p.end();
    return QIcon(pixmap);
}

} // namespace smssim
