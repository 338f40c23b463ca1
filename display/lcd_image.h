#pragma once
// A display surface on a QImage: the picture the window's display shows and what
// smssim-render writes as PNG. A dot of draw width 2 is a 2 x 2 square of device
// pixels at the scaled point, so neighbouring display pixels keep a gap like on a
// phone LCD.

#include "renderer.h"
#include "state.h"

#include <QColor>
#include <QImage>
#include <QSize>

namespace smssim {

// Twips per display pixel row and column of the display picture.
inline constexpr double kTwipsPerRow = 50 * 1.0204;
inline constexpr double kTwipsPerColumn = 50 * 0.924;

// Device size of the display picture for the loaded phone.
QSize displayPictureSize(const Module1& state);

// A colour value with red in the low byte, then green, then blue.
QColor colourFromLong(std::int32_t colour);

class LcdImage : public DisplaySurface {
  public:
    // `device` is the size in device pixels, `logicalWidth` x `logicalHeight` the
    // grid of display pixels mapped onto it.
    void resize(QSize device, double logicalWidth, double logicalHeight);
    const QImage& image() const { return image_; }

    void setBackColor(std::int32_t colour) override;
    void setDrawWidth(int width) override { drawWidth_ = width < 1 ? 1 : width; }
    void line(float x1, float y1, float x2, float y2, std::int32_t colour) override;

  private:
    QImage image_;
    double scaleX_ = 1;
    double scaleY_ = 1;
    int drawWidth_ = 1;
    QColor back_ = Qt::white;
};

} // namespace smssim
