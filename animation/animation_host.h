#pragma once
// What the animation window needs of the main window. The main window implements it;
// the animation library does not depend on the main window.

#include "state.h"

#include <QString>

namespace smssim {

class AnimationHost {
  public:
    virtual Module1& state() = 0;
    // The picture number box Text6.
    virtual QString text6() const = 0;
    virtual void setText6(const QString& text) = 0;
    virtual void DisplayZeichnen() = 0;

  protected:
    ~AnimationHost() = default;
};

} // namespace smssim
