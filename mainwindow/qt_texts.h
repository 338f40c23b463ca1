#pragma once
// German texts for what Qt itself shows: the buttons and labels of its file dialog, the
// context menu of text boxes, and so on.

namespace smssim {

// Makes German the default locale and installs Qt's German translations (qtbase_de.qm,
// Debian package qt6-translations-l10n) into the running application. Returns false when
// they are not installed: Qt's own texts then stay English.
bool installGermanQtTexts();

} // namespace smssim
