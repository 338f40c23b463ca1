#pragma once
// A display surface that keeps what is drawn, in drawing order and before clipping:
// for the command-line renderer's dot list and ASCII picture, and for tests.

#include "renderer.h"

#include <vector>

namespace smssim {

struct Dot {
    float x;
    float y;
    friend bool operator==(const Dot&, const Dot&) = default;
};

struct DrawnLine {
    float x1, y1, x2, y2;
    int width;
};

class DotRecorder : public DisplaySurface {
  public:
    std::vector<Dot> dots;        // single points, in drawing order
    std::vector<DrawnLine> lines; // lines between two different points
    std::int32_t backColor = 0;
    int clears = 0;

    void setBackColor(std::int32_t colour) override {
        backColor = colour;
        ++clears;
        dots.clear();
        lines.clear();
    }
    void setDrawWidth(int width) override { drawWidth_ = width; }
    void line(float x1, float y1, float x2, float y2, std::int32_t) override {
        if (x1 == x2 && y1 == y2)
            dots.push_back({x1, y1});
        else
            lines.push_back({x1, y1, x2, y2, drawWidth_});
    }
    int drawWidth() const { return drawWidth_; }

  private:
    int drawWidth_ = 1;
};

} // namespace smssim
