#include "display_picture.h"

#include <QPainter>

namespace smssim {

DisplayPicture::DisplayPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DisplayPicture::resizeDisplay(QSize device, double logicalWidth, double logicalHeight) {
    lcd_.resize(device, logicalWidth, logicalHeight);
    resize(device);
    update();
}

void DisplayPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, lcd_.image());
}

} // namespace smssim
