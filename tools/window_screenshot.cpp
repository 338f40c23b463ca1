// Takes a screenshot of the real main window: types a sample message into the message
// box through key events, lets the window paint, and grabs its area of the screen.
// Run under an X server (tools/screenshot.sh uses Xvfb).

#include "fonts.h"
#include "form1.h"
#include "message_boxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("smssim"));
    smssim::installFontSubstitutions();

    smssim::Module1 state;
    smssim::QtMessageBoxes boxes;
    smssim::Form1 form1(state, boxes, SMSSIM_PHONES_DIR);
    if (!form1.Form_Load())
        return 1;
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1))
        return 1;

    auto* box = form1.findChild<QLineEdit*>(QStringLiteral("Text1_0"));
    box->setFocus();
    const QString sample = QStringLiteral("Hallo Anna, wir treffen uns um 8 am Bahnhof. Bring "
                                          "den Schirm mit, es soll regnen! Grüße, Ben");
    for (const QChar c : sample)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::qWait(300);

    const QRect frame = form1.frameGeometry();
    const QPixmap shot =
        form1.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
