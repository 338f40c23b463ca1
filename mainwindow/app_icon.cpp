#include "app_icon.h"

#include <QPainter>

namespace smssim {

QImage appIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Body and antenna.
    const QColor body(60, 66, 80);
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(7.5, 3.5, 17, 28), 3, 3);
    p.fillRect(QRectF(20, 0, 2, 4), body);

    // Display with a few dark dots, as the program draws text. At 32 pixels and above
    // each dot is whole pixels; smaller sizes blend them rather than lose them.
    p.setRenderHint(QPainter::Antialiasing, size < 32);
    p.fillRect(QRectF(10, 6, 12, 9), QColor(150, 190, 120));
    const QColor ink(20, 30, 20);
    for (const QPoint dot :
         {QPoint(11, 7), QPoint(12, 7), QPoint(11, 8), QPoint(11, 9), QPoint(12, 9), QPoint(14, 8),
          QPoint(15, 7), QPoint(15, 9), QPoint(17, 7), QPoint(17, 8), QPoint(17, 9), QPoint(19, 8),
          QPoint(11, 12), QPoint(13, 12), QPoint(15, 12), QPoint(17, 12)})
        p.fillRect(QRectF(dot, QSizeF(1, 1)), ink);

    // Keypad: three columns of four keys.
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            p.fillRect(QRectF(11 + column * 4, 18 + row * 3, 2, 2), QColor(200, 204, 214));
    p.end();
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    return icon;
}

} // namespace smssim
