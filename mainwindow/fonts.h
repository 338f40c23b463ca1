#pragma once
// The layout names Arial and MS Sans Serif. Liberation Sans, metric-compatible with
// Arial, stands in for both where they are not installed; fontconfig already maps Arial.

namespace smssim {

void installFontSubstitutions();

} // namespace smssim
