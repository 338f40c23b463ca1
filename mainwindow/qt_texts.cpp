#include "qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace smssim {

bool installGermanQtTexts(QTranslator& translator) {
    // Explicit: a machine without a German locale would otherwise pick English texts.
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    if (!translator.load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

} // namespace smssim
