// One keystroke into a 159-character message in the real main window: from the key
// event to Bild1 repainted and Label3 updated, on the offscreen platform.

#include "display_picture.h"
#include "fonts.h"
#include "form1.h"
#include "message_boxes.h"

#include "sample_text.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

void keystrokeInto159Characters(benchmark::State& st) {
    smssim::Module1 state;
    smssim::QtMessageBoxes boxes;
    smssim::Form1 form(state, boxes, SMSSIM_PHONES_DIR);
    if (!form.Form_Load()) {
        st.SkipWithError("cannot load the default phone");
        return;
    }
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        st.SkipWithError("the window was not shown");
        return;
    }
    auto* box = form.findChild<QLineEdit*>(QStringLiteral("Text1_0"));
    auto* label3 = form.findChild<QLabel*>(QStringLiteral("Label3"));
    form.setMessageText(sampleText(159));
    box->setFocus();
    box->end(false);

    for (auto _ : st) {
        QTest::keyClick(box, 'x');
        // Paint now, as the event loop does right after the key event.
        form.Bild1().repaint();
        st.PauseTiming();
        if (label3->text() != QStringLiteral("0") || form.messageText().size() != 160) {
            st.SkipWithError("the keystroke did not reach the message");
            break;
        }
        QTest::keyClick(box, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
}
BENCHMARK(keystrokeInto159Characters)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
