#pragma once
// The layout names Arial and MS Sans Serif. Liberation Sans, metric-compatible with
// Arial, stands in for both where they are not installed; fontconfig already maps Arial.

#include <QFont>

namespace smssim {

void installFontSubstitutions();

// A font of the layout at its size, 8.25 pt; also what a window without a font of its
// own shows, MS Sans Serif.
QFont layoutFont(const QString& family = QStringLiteral("MS Sans Serif"));

} // namespace smssim
