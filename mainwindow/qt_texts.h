#pragma once
// German texts for what Qt itself shows: the buttons and labels of its file dialog, the
// context menu of text boxes, and so on.

class QTranslator;

namespace smssim {

// Makes German the default locale, loads Qt's German translations (qtbase_de.qm, Debian
// package qt6-translations-l10n) into `translator` and installs it into the running
// application; the caller keeps it while the application runs. Returns false when they
// are not installed: Qt's own texts then stay English.
bool installGermanQtTexts(QTranslator& translator);

} // namespace smssim
