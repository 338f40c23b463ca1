#include "fonts.h"

namespace smssim {

void installFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont layoutFont(const QString& family) {
    QFont font(family);
    font.setPointSizeF(8.25);
    return font;
}

} // namespace smssim
