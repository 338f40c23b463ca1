// smssim: shows how a text message typed on the PC looks on a phone's display.

#include "fonts.h"
#include "form1.h"
#include "message_boxes.h"
#include "qt_texts.h"
#include "state.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace {

bool haveDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Qt would abort with a platform plugin message; say plainly what is missing.
    if (!haveDisplay()) {
        std::fputs("smssim: Keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind "
                   "nicht gesetzt). Bitte in einer grafischen Sitzung starten.\n"
                   "smssim: No graphical display found (DISPLAY and WAYLAND_DISPLAY are not "
                   "set). Please start it in a graphical session.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("smssim"));
    // Without the translations Qt's own buttons stay English; the program still works.
    QTranslator qtTexts;
    smssim::installGermanQtTexts(qtTexts);
    smssim::installFontSubstitutions();

    smssim::Module1 state;
    smssim::QtMessageBoxes boxes;
    smssim::Form1 form1(state, boxes, SMSSIM_DATA_DIR);
    if (!form1.Form_Load())
        return 1;
    form1.show();
    return app.exec();
}
