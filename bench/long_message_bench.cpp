// One keystroke into a 100,000-character message in the real main window, from the key
// event to Bild1 repainted, Label3 updated and the box repainted: once in the single-line box with
// word wrap (the default phone), once in the paragraph box of a phone that allows paragraphs. Text2
// is "0", no limit, so the message may grow past 160 characters.

#include "display_picture.h"
#include "fonts.h"
#include "form1.h"
#include "message_boxes.h"

#include "sample_text.h"
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr std::size_t kLength = 100000;

// Paragraphs of some 300 characters, as a long letter has them.
std::string sampleParagraphs(std::size_t length) {
    std::string text = sampleText(length);
    for (std::size_t i = 300; i + 1 < length; i += 300) {
        text[i] = '\r';
        text[i + 1] = '\n';
    }
    return text;
}

struct Window {
    smssim::Module1 state;
    smssim::QtMessageBoxes boxes;
    std::unique_ptr<smssim::Form1> form;
    QWidget* box = nullptr;
    QLabel* label3 = nullptr;

    // Empty on success, else why the window could not be set up.
    std::string open(bool paragraphs, bool breaks) {
        form = std::make_unique<smssim::Form1>(state, boxes, SMSSIM_PHONES_DIR);
        if (!form->Form_Load())
            return "cannot load the default phone";
        if (paragraphs) {
            if (!form->loadPhone(SMSSIM_PHONES_DIR "/Kommunikator 9000.bsd"))
                return "cannot load the phone with paragraphs";
            form->findChild<QCheckBox*>(QStringLiteral("Check1"))->click();
            if (!state.Absaetze)
                return "Check1 did not switch paragraphs on";
        }
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return "the window was not shown";
        form->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("0"));
        label3 = form->findChild<QLabel*>(QStringLiteral("Label3"));
        form->setMessageText(breaks ? sampleParagraphs(kLength - 1) : sampleText(kLength - 1));
        box = form->Text1(paragraphs ? 1 : 0).widget();
        box->setFocus();
        // Typing in the middle: the text before and after the caret both have to be kept.
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            line->setCursorPosition(static_cast<int>(kLength / 2));
        } else {
            auto* plain = qobject_cast<QPlainTextEdit*>(box);
            QTextCursor c = plain->textCursor();
            c.setPosition(static_cast<int>(kLength / 2));
            plain->setTextCursor(c);
        }
        QCoreApplication::processEvents();
        return {};
    }
};

void keystroke(benchmark::State& st, bool paragraphs, bool breaks) {
    Window w;
    if (const std::string error = w.open(paragraphs, breaks); !error.empty()) {
        st.SkipWithError(error.c_str());
        return;
    }
    const QString full = QStringLiteral("-") + QString::number(kLength);
    for (auto _ : st) {
        QTest::keyClick(w.box, 'x');
        // Paint now, as the event loop does right after the key event: Bild1, then the
        // message box and Label3, which lay their text out again.
        w.form->Bild1().repaint();
        QCoreApplication::processEvents();
        st.PauseTiming();
        if (w.label3->text() != full || w.form->messageText().size() != kLength) {
            st.SkipWithError("the keystroke did not reach the message");
            break;
        }
        QTest::keyClick(w.box, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
}

void keystrokeInto100kWithWordWrap(benchmark::State& st) {
    keystroke(st, false, false);
}
void keystrokeInto100kWithParagraphs(benchmark::State& st) {
    keystroke(st, true, true);
}
// Paragraphs switched on for a message typed without breaks: the paragraph box then
// holds one line of 100,000 characters, the most it ever lays out at once.
void keystrokeInto100kParagraphBoxWithoutBreaks(benchmark::State& st) {
    keystroke(st, true, false);
}

BENCHMARK(keystrokeInto100kWithWordWrap)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(keystrokeInto100kWithParagraphs)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(keystrokeInto100kParagraphBoxWithoutBreaks)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
