#pragma once
// Bild1: shows the retained display picture. The program draws only when the renderer
// or the display test runs, so the picture lives in an image and every repaint (the
// window covered, uncovered or moved) copies it back.

#include "lcd_image.h"

#include <QWidget>

namespace smssim {

class DisplayPicture : public QWidget {
    Q_OBJECT
  public:
    explicit DisplayPicture(QWidget* parent = nullptr);

    // The surface the engine draws on; call update() after drawing.
    LcdImage& surface() { return lcd_; }
    const QImage& image() const { return lcd_.image(); }

    // Sets the device size and the grid of display pixels mapped onto it.
    void resizeDisplay(QSize device, double logicalWidth, double logicalHeight);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LcdImage lcd_;
};

} // namespace smssim
