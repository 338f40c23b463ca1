// The main window with real widgets: start-up, typing and the maximum, paragraphs,
// picture navigation, the display test and the menu shortcuts; and the animation window
// over it: the cycle, its length, handing the picture number back, and what the display
// shows after each "Zappen".

#include "display_fit.h"
#include "form4.h"
#include "gui_support.h"
#include "picture_frames.h"
#include "pixel_grid.h"
#include "qt_texts.h"
#include "temp_dir.h"
#include "test_phone.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <fstream>
#include <map>
#include <tuple>

namespace smssim::test {
namespace {

TEST(Form1Start, DefaultPhoneAndStartState) {
    installFontSubstitutions();
    Module1 state;
    ScriptedMessageBoxes boxes;
    Form1 form(state, boxes, kPhonesDir);
    ASSERT_TRUE(form.Form_Load());
    EXPECT_EQ(std::pair(boxes.asked.size(), form.windowTitle()),
              std::pair(std::size_t{0}, QStringLiteral("Simulator für:  Nokia 5110")));
    // The phone's two lists of characters.
    EXPECT_TRUE(child<QLineEdit>(form, "Text4")->text().startsWith("[\\]^`{|}"));
    EXPECT_TRUE(
        child<QPlainTextEdit>(form, "Text3")->toPlainText().contains("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    // No paragraphs: the paragraph box and Check1 hidden; nothing rendered before a change.
    EXPECT_EQ(std::tuple(form.Text1(1).widget()->isHidden(),
                         child<QCheckBox>(form, "Check1")->isHidden(), form.Text1(0).maxLength(),
                         form.Text1(1).maxLength()),
              std::tuple(true, true, 160, 160));
    EXPECT_EQ(
        std::tuple(state.AktuellerText, state.Absaetze, state.PosX, state.PosY, state.Bildanzahl),
        std::tuple(0, false, 1, 1.0f, 0));

    EXPECT_EQ(form.Bild1().size(), displayPictureSize(state));
    EXPECT_NEAR(form.Bild1().geometry().center().x(), form.centralWidget()->width() / 2, 4);
    EXPECT_EQ(form.Bild1().image(), backgroundOnly(state)) << "the background colour only";
    // Not shown yet, the window is placed by the frame it will probably get.
    const QPoint offCentre = QRect(form.pos(), form.size().grownBy(kUnknownFrame)).center() -
                             QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << "the window opens in the screen's middle";
}

// The default phone is neither in the working directory nor in the data folder.
TEST(Form1Start, MissingDefaultPhoneIsExplainedAndAnotherOneChosen) {
    QTranslator qtTexts;
    ASSERT_TRUE(installGermanQtTexts(qtTexts))
        << "qtbase_de.qm missing: install qt6-translations-l10n";
    QTemporaryDir emptyDir;
    Module1 state;
    ScriptedMessageBoxes boxes;
    Form1 form(state, boxes, emptyDir.path().toStdString());
    QStringList seen; // Qt's own file dialog, in German
    whenModal<QFileDialog>(&form, [&](QFileDialog& dialog) {
        for (const QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->isVisible())
                seen << b->text();
        seen.sort();
        seen << dialog.windowTitle();
        dialog.reject();
    });
    EXPECT_FALSE(form.Form_Load()) << "cancelling the choice ends the start";
    EXPECT_EQ(seen.join('|').toStdString(), "&Öffnen|Abbrechen|Zeichensatz laden");

    std::vector<std::string> choices{kTestPhone, std::string(SMSSIM_TEST_DATA) +
                                                     "/gui/zero-picture-height.bsd"};
    form.setStartPhoneChooser([&] {
        const std::string next = choices.back();
        choices.pop_back();
        return next;
    });
    ASSERT_TRUE(form.Form_Load());
    EXPECT_TRUE(choices.empty()) << "a refused choice is followed by another";
    ASSERT_EQ(boxes.asked.size(), 3u);
    EXPECT_TRUE(boxes.asked[1].text.contains("Nokia 5110.bsd") &&
                boxes.asked[2].text.contains("zero-picture-height.bsd"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Simulator für:  GUI-Testhandy"));
}

using Form1Test = MainWindowTest;

TEST_F(Form1Test, TypingRedrawsCountsDownAndKeepsToTheMaximum) {
    QTest::keyClicks(text1_0(), "Hallo");
    EXPECT_EQ(bild1(), enginePicture(state, "Hallo"));
    EXPECT_NE(bild1(), backgroundOnly(state));
    QTest::keyClicks(text1_0(), QString(20, QLatin1Char('x')));
    EXPECT_EQ(state.Bildanzahl, 3) << "25 characters start a third picture";
    // Maximum, typed, then the length and the letters left. An invalid maximum leaves
    // the last valid one; one below the text shortens nothing; 0 is no limit.
    const char* steps[][4] = {
        {"160", "", "25", "135"}, {"27", "abc", "27", "0"}, {"", "d", "27", "0"},
        {"abc", "d", "27", "0"},  {"-3", "d", "27", "0"},   {"99999999999", "d", "27", "0"},
        {" 5", "d", "27", "0"},   {"20", "", "27", "-7"},   {"0", "de", "29", "-29"}};
    for (const auto& [maximum, typed, length, lettersLeft] : steps) {
        text2()->setText(QString::fromLatin1(maximum));
        QTest::keyClicks(text1_0(), typed);
        EXPECT_EQ(std::to_string(form->messageText().size()), length) << maximum;
        EXPECT_EQ(label3(), QString::fromLatin1(lettersLeft)) << maximum;
    }
    QTest::mouseDClick(text1_0(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(text1_0()->selectedText().size(), 29) << "a double click selects everything";
    // What the maximum cuts is said, with a beep, as is a letter typed into Text2.
    text2()->setText(QStringLiteral("300"));
    QSignalSpy beeps(form.get(), &Form1::beeped);
    text1_0()->insert(QString(5029, u'p'));
    EXPECT_EQ(form->statusBar()->currentMessage(),
              "Maximale Nachrichtenlänge 300 erreicht: 4.729 Zeichen nicht übernommen");
    QTest::keyClicks(text2(), "x");
    EXPECT_EQ(std::tuple(text2()->text(), beeps.count()), std::tuple(QString("300"), 2));
}

// On, refused off (No), and off (Yes); a phone without paragraphs: the keyboard tests.
TEST_F(Form1Test, ParagraphSwitch) {
    activate(form.get());
    form->Text1(1).setText("alt");
    form->setMessageText("Hallo");
    text2()->setText(QStringLiteral("11")); // the limit of both boxes
    QTest::mouseClick(check1(), Qt::LeftButton);
    EXPECT_EQ(std::tuple(state.AktuellerText, state.Absaetze, form->Text1(0).widget()->isHidden(),
                         QApplication::focusWidget()),
              std::tuple(1, true, true, form->Text1(1).widget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "Welt!");
    EXPECT_EQ(bild1(), enginePicture(state, "Hallo\r\nWelt"));
    EXPECT_EQ(label3(), QStringLiteral("0")) << "the break counts 2";

    form->Text1(0).setText("single box text");
    boxes.answers = {MessageBoxes::Answer::No};
    QTest::mouseClick(check1(), Qt::LeftButton);
    EXPECT_EQ(std::tuple(check1()->isChecked(), state.AktuellerText, state.Absaetze),
              std::tuple(true, 1, true));
    EXPECT_EQ(form->messageText(), "Hallo\r\nWelt");

    const std::string paragraphs = "\r\na\r\nb\r\n\r\nc\rd\r\n\n";
    form->setMessageText(paragraphs);
    QTest::mouseClick(check1(), Qt::LeftButton);
    ASSERT_EQ(boxes.asked.size(), 2u);
    const AskedBox& asked = boxes.asked[1];
    EXPECT_EQ(asked.text + asked.caption,
              QStringLiteral("Sollen alle Absätze gelöscht werden?Achtung!"));
    EXPECT_EQ(std::tuple(asked.buttons, asked.icon),
              std::tuple(MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::Critical));
    EXPECT_EQ(std::tuple(state.AktuellerText, state.Absaetze, state.Textlaenge,
                         form->Text1(1).widget()->isHidden(), QApplication::focusWidget()),
              std::tuple(0, false, 16, true, text1_0()));
    EXPECT_EQ(form->messageText(), "abc\rd\n") << "only CR LF pairs go; lone CR and LF stay";
    EXPECT_EQ(form->Text1(1).text(), paragraphs) << "the hidden paragraph box keeps its text";
    EXPECT_EQ(bild1(), enginePicture(state, "abc\rd\n"));
}

TEST_F(Form1Test, PlusAndMinusStepThroughThePicturesWithinTheirBounds) {
    activate(form.get());
    form->setMessageText(std::string(30, 'q')); // 5 lines: pictures of lines 1-2, 3-4, 5
    // "+", "-", Page Down ('v') or Up ('r') in the message box, paragraphs on ('p') or a
    // shorter message ('k'), and what Text6 shows then.
    for (const char* step : {"+2", "+3", "+3", "-2", "-1", "-1", "v2", "v3", "v3", "p3", "r2", "r1",
                             "r1", "v2", "+3", "k3", "+3", "-2"}) {
        QWidget* box = form->Text1(state.AktuellerText).widget();
        if (step[0] == 'k')
            form->setMessageText("kurz");
        else if (step[0] == 'p')
            check1()->click();
        else if (step[0] == 'v' || step[0] == 'r')
            QTest::keyClick(box, step[0] == 'v' ? Qt::Key_PageDown : Qt::Key_PageUp);
        else
            click(step[0] == '+' ? "Command1" : "Command2");
        EXPECT_EQ(form->text6(), QString::fromLatin1(step + 1)) << step;
        EXPECT_EQ(state.Bildversatz, -12 * (step[1] - '1')) << step;
        EXPECT_EQ(bild1(), enginePicture(state, form->messageText())) << step;
        EXPECT_EQ(QApplication::focusWidget(), form->Text1(state.AktuellerText).widget())
            << "focus back in the message box";
    }
    EXPECT_EQ(bild1(), backgroundOnly(state)) << "picture 2 of a short message is empty";
    const QImage painted = form->Bild1().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, bild1()) << "Bild1 paints its retained picture";
}

// A phone of `width` x `height` display pixels in `folder`.
std::string phoneWithDisplay(const QString& folder, int width, int height) {
    const std::string path = folder.toStdString() + "/" + std::to_string(width) + ".bsd";
    std::ofstream(path, std::ios::binary)
        << testPhone({{"Gross", 20, 8, ".gr", 0, height, width, 4, false, true}});
    return path;
}

// A display that would cover controls or pass the window's edge moves every control below
// it down and widens the window, just far enough; one that fits keeps the layout. Where the
// window would then not fit on the screen, the display is drawn smaller, with 3, 2 or 1
// pixels per display pixel, and the window stays on the screen's free area.
TEST_F(Form1Test, ALargeDisplayMakesRoomAndTheWindowFitsOnTheScreen) {
    QWidget* client = form->centralWidget();
    std::map<QWidget*, QRect> laidOut;
    for (QWidget* w : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != &form->Bild1())
            laidOut[w] = w->geometry();
    const QSize laidOutSize = client->size();
    QTemporaryDir folder;
    // 1280 x 1024 below a panel, 1024 x 768, and 1920 x 1080 at 200 % in logical pixels.
    const std::pair<QRect, std::map<int, int>> screens[] = {
        {{0, 27, 1280, 997}, {}},
        {{0, 0, 1024, 768}, {{120, 2}, {400, 2}}},
        {{0, 0, 960, 540}, {{120, 1}, {400, 2}}}};
    for (const auto& [area, pixelsPerDot] : screens) {
        form->setScreenArea([area = area] { return area; });
        for (const auto& [width, height] :
             {std::pair(84, 48), {128, 64}, {120, 200}, {400, 30}, {84, 48}}) {
            SCOPED_TRACE(std::to_string(area.height()) + ": " + std::to_string(width) + "x" +
                         std::to_string(height));
            ASSERT_TRUE(form->loadPhone(phoneWithDisplay(folder.path(), width, height)));
            const QRect display = form->Bild1().geometry();
            const int perDot = pixelsPerDot.count(width) ? pixelsPerDot.at(width) : 0;
            EXPECT_EQ(display.size(),
                      perDot ? QSize(width, height) * perDot : displayPictureSize(state))
                << "laid out, to the twip, where it fits";
            EXPECT_TRUE(area.contains(QRect(form->pos(), form->size().grownBy(kUnknownFrame))));
            // A dot keeps a gap to its neighbours: one pixel where there are 2 per dot.
            LcdImage& lcd = form->Bild1().surface();
            lcd.setDrawWidth(2);
            lcd.line(2, 2, 2, 2, 0);
            const QImage corner = lcd.image().copy(0, 0, 10, 10);
            const auto* dots = reinterpret_cast<const QRgb*>(corner.constBits());
            EXPECT_EQ(std::count(dots, dots + 100, qRgb(0, 0, 0)),
                      perDot == 1 || perDot == 2 ? 1 : 4);
            const QSize grown = client->size() - laidOutSize;
            int top = client->height();
            for (const auto& [w, rect] : laidOut) {
                EXPECT_EQ(w->geometry(), rect.translated(0, grown.height())) << "all move together";
                EXPECT_TRUE(client->rect().contains(w->geometry()));
                EXPECT_FALSE(w->geometry().intersects(display)) << w->objectName().toStdString();
                top = std::min(top, w->y());
            }
            if (!perDot) {
                EXPECT_EQ(grown.isNull(), width == 84) << "the Nokia display fits";
            }
            EXPECT_TRUE(grown.height() == 0 || display.bottom() + 1 == top) << "not further down";
            EXPECT_TRUE(grown.width() == 0 || display.right() + 1 == client->width())
                << "nor wider";
        }
    }
}

// Only "Displaytest" exactly, double-clicked on the frame's own area, runs the test.
TEST_F(Form1Test, DisplayTestByDoubleClickOnTheFrame) {
    const char* clicks[][2] = {{"Displaytest", "Label7"},   {"Displaytest", "Text6"},
                               {"Displaytest", "Command1"}, {"Displaytest", "Command2"},
                               {"displaytest", "Frame1"},   {"Displaytest ", "Frame1"},
                               {"Display test", "Frame1"},  {"Displaytest", "Frame1"}};
    for (const auto& [text, where] : clicks) {
        form->setMessageText(text);
        const QImage before = bild1();
        QTest::mouseDClick(child(where), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        const bool ran = std::string(text) == "Displaytest" && std::string(where) == "Frame1";
        EXPECT_EQ(form->messageText(), ran ? "" : text) << where;
        EXPECT_EQ(bild1() == before, !ran) << text;
    }
    EXPECT_NE(bild1(), backgroundOnly(state)) << "the empty text shows the test pattern";
    EXPECT_EQ(label3(), QStringLiteral("160"));
}

// The menu shortcuts act in the whole window, also in a text box that would take the keys.
TEST_F(Form1Test, MenuShortcutsWinOverTheMessageBox) {
    activate(form.get());
    form->setMessageText("Nachricht");
    for (const char* name : {"Öffnen", "Speichern"}) { // cut off from their dialogs
        auto* action = child<QAction>(name);
        QObject::disconnect(action, nullptr, form.get(), nullptr);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(text1_0(), name[0] == 'S' ? Qt::Key_S : Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(triggered.count(), 1) << name;
    }
    QString caption;
    whenModal<Form4>(form.get(), [&](Form4& form4) {
        caption = form4.windowTitle();
        form4.close();
    });
    QTest::keyClick(text1_0(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(caption, QStringLiteral("Annimation"));
    EXPECT_FALSE(text1_0()->hasSelectedText()) << "instead of selecting all";
    activate(form.get()); // again, after the animation window
    text1_0()->selectAll();
    boxes.answers = {MessageBoxes::Answer::No};
    QTest::keyClick(text1_0(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(form->messageText(), "Nachricht") << "instead of cutting";
    ASSERT_EQ(boxes.asked.size(), 1u) << "Ctrl+X ends the program, asking first";
    EXPECT_EQ(boxes.asked[0].text + boxes.asked[0].caption,
              QStringLiteral("Die Nachricht ist nicht gespeichert. Trotzdem beenden?Achtung"));
    EXPECT_EQ(std::tuple(boxes.asked[0].buttons, boxes.asked[0].icon),
              std::tuple(MessageBoxes::Buttons::YesNoDefaultNo, MessageBoxes::Icon::Question));
    EXPECT_TRUE(form->isVisible()) << "Nein keeps the window and the message";
    child<QAction>("Beenden")->trigger(); // as the close box does; unanswered, Nein
    EXPECT_EQ(std::tuple(boxes.asked.size(), form->isVisible()), std::tuple(2u, true));
    boxes.answers = {MessageBoxes::Answer::Yes};
    QTest::keyClick(text1_0(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible()) << "Ja ends the program";
    activate(form.get());
    form->setMessageText("");
    form->close();
    EXPECT_EQ(std::tuple(boxes.asked.size(), form->isVisible()), std::tuple(3u, false))
        << "an empty message ends at once";
}

// The tables the network supports, and the look-alikes put into either box as an edit
// that Ctrl+Z undoes; the status bar follows each step. ã is in the Portuguese tables only.
TEST_F(Form1Test, LandesspracheAndZeichenErsetzen) {
    activate(form.get());
    const auto entries = [&] {
        std::string checked;
        for (const char* name : {"Keine", "Spanisch", "Portugiesisch", "Türkisch"})
            checked += child<QAction>(name)->isChecked() ? '1' : '0';
        return checked;
    };
    const auto status = [&] { return child<QLabel>("SmsStatus")->text().toStdString(); };
    EXPECT_EQ(entries(), "1000");
    for (const char* name : {"Portugiesisch", "Spanisch", "Keine", "Türkisch", "Türkisch"})
        child<QAction>(name)->trigger();
    EXPECT_EQ(entries(), "1000") << "the last language off is keine again";
    child<QAction>("Spanisch")->trigger();
    child<QAction>("Portugiesisch")->trigger();
    EXPECT_EQ(entries(), "0110");

    const std::string text = "S\xE3o \x84ok\x93\r\n" + std::string(60, 'q');
    for (const int box : {0, 1}) {
        if (box == 1)
            QTest::mouseClick(check1(), Qt::LeftButton);
        form->setMessageText(text);
        EXPECT_TRUE(status().starts_with("UCS-2 wegen „„““ · 1 SMS, noch 1 frei ·")) << status();
        child<QAction>("ZeichenErsetzen")->trigger();
        EXPECT_EQ(form->messageText(), "S\xE3o \"ok\"\r\n" + std::string(60, 'q'));
        EXPECT_TRUE(status().starts_with("GSM 7-Bit (portugiesisch) · 1 SMS, noch 86")) << status();
        QTest::keyClick(form->Text1(box).widget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(form->messageText(), text) << box;
        EXPECT_TRUE(status().starts_with("UCS-2 wegen")) << status();
    }
    // Turkish locking holds €, Spanish single shift á: both tables in use.
    child<QAction>("Türkisch")->trigger();
    child<QAction>("Portugiesisch")->trigger();
    form->setMessageText("\xE1" + std::string(150, '\x80'));
    EXPECT_TRUE(status().starts_with("GSM 7-Bit (türkisch/spanisch) · 1 SMS, noch 0 frei"))
        << status();
}

// What the message costs, which picture shows and what the phone lacks, on every change.
TEST_F(Form1Test, StatusBarAndBild1DescriptionFollowTheMessage) {
    // Ten characters forcing UCS-2 are listed whole, an eleventh cuts the list.
    const std::string ten = "\xE2\xEA\xEE\xF4\xFB\xE1\xED\xF3\xFA\xEB";
    const std::tuple<std::string, const char*, const char*> rows[] = {
        {"", "GSM 7-Bit · 0 SMS, noch 160 frei · Bild 1 von 1", "0 Septette in 0 SMS"},
        {"Hallo {x}\xE4", "GSM 7-Bit · 1 SMS, noch 148 frei · Bild 1 von 1", // { } take 2
         "12 Septette in 1 SMS\nSonderzeichen des Telefons: „ä“"},
        {std::string(13, 'q'), "GSM 7-Bit · 1 SMS, noch 147 frei · Bild 1 von 2",
         "13 Septette in 1 SMS"},
        {"\xE2\xE7" + std::string(69, 'q'),
         "UCS-2 wegen „âç“ · 2 SMS, noch 63 frei · Bild 1 von 6 · nicht darstellbar: „âç“",
         "71 UCS-2-Zeichen in 2 SMS\nUCS-2 wegen: „âç“\nOhne Zeichen im Telefon: „âç“"},
        {ten,
         "UCS-2 wegen „âêîôûáíóúë“ · 1 SMS, noch 60 frei · Bild 1 von 1"
         " · nicht darstellbar: „âêîôûáíóúë“",
         nullptr},
        {"\x93" + std::string(70, 'q'),
         "UCS-2 wegen „““ · 2 SMS, noch 63 frei · mit Ersetzen: 1 SMS · Bild 1 von 6"
         " · nicht darstellbar: „““",
         "71 UCS-2-Zeichen in 2 SMS\nUCS-2 wegen: „““\nMit Ersetzen (Textnachricht → Zeichen "
         "ersetzen) 1 SMS: “ → \"\nOhne Zeichen im Telefon: „““"},
        {"\x93" + std::string(68, 'q'),
         "UCS-2 wegen „““ · 1 SMS, noch 1 frei · Bild 1 von 6 · nicht darstellbar: „““",
         nullptr}, // 1 SMS either way: no hint
        {ten + "\xEF",
         "UCS-2 wegen „âêîôûáíóúë…“ · 1 SMS, noch 59 frei · Bild 1 von 1"
         " · nicht darstellbar: „âêîôûáíóúë…“",
         nullptr}};
    for (const auto& [text, status, tip] : rows) {
        SCOPED_TRACE(text);
        form->setMessageText(text);
        EXPECT_EQ(child<QLabel>("SmsStatus")->text().toStdString(), status);
        if (tip) {
            EXPECT_EQ(child<QLabel>("SmsStatus")->toolTip().toStdString(), tip);
        }
    }
    form->setMessageText(std::string(13, 'q'));
    EXPECT_EQ(form->Bild1().accessibleDescription(), QStringLiteral("qqqqqq\nqqqqqq"));
    click("Command1");
    EXPECT_EQ(form->Bild1().accessibleDescription(), QStringLiteral("q"));
    EXPECT_TRUE(child<QLabel>("SmsStatus")->text().endsWith(QStringLiteral("Bild 2 von 2")));
    activate(form.get());
    QTest::sendKeyEvent(QTest::Click, text1_0(), Qt::Key_unknown, QStringLiteral("Ω"),
                        Qt::NoModifier);
    EXPECT_EQ(form->messageText(), "?" + std::string(13, 'q'));
    EXPECT_EQ(form->statusBar()->currentMessage(),
              QStringLiteral("„Ω“ ist kein Zeichen des Telefons"));
}

// Export and copy take the message and the picture as shown, and leave them so.
TEST_F(Form1Test, ExportAndCopyFromTheMenu) {
    QTemporaryDir dir;
    const QString typed = dir.filePath(QStringLiteral("Gruss"));
    form->setMessageText(std::string(13, 'q')); // two pictures
    click("Command1");
    const QImage shown = bild1();
    // The filter chosen, the scale, the byte order and the name (none: cancelled); each use
    // of the dialog opens as the last one was left.
    const std::tuple<int, int, int, QString> uses[] = {{0, 2, 0, typed},
                                                       {1, 3, 0, typed + ".gif"},
                                                       {3, 4, 1, typed + "-xbm"},
                                                       {4, 1, 1, typed + ".h"},
                                                       {}};
    QStringList filters;
    QStringList opened;
    for (const auto& [filter, scale, order, name] : uses) {
        whenModal<QFileDialog>(form.get(), [&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("Vergroesserung"));
            auto* bytes = dialog.findChild<QComboBox*>(QStringLiteral("Bytefolge"));
            // What the dialog opens with; "-" marks a choice the kind does not use.
            opened << dialog.directory().path() + ' ' + dialog.selectedNameFilter() + ' ' +
                          QString::number(spin->value()) + (spin->isEnabled() ? "" : "-") + ' ' +
                          QString::number(bytes->currentIndex()) + (bytes->isEnabled() ? "" : "-") +
                          (dialog.testOption(QFileDialog::DontConfirmOverwrite) ? "" : " ?");
            if (name.isEmpty())
                return dialog.reject();
            dialog.selectNameFilter(filters[filter]);
            emit dialog.filterSelected(filters[filter]); // as the user's choice does
            spin->setValue(scale);
            bytes->setCurrentIndex(order);
            dialog.selectFile(name);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        child<QAction>("BilderExportieren")->trigger();
    }
    EXPECT_EQ(filters, QStringList({"PNG-Bilder, eins je Bild (*.png)", "GIF-Animation (*.gif)",
                                    "Übersicht (*.png)", "XBM-Bilder, eins je Bild (*.xbm)",
                                    "C-Header (alle Bilder) (*.h)"}));
    // A file replaced is asked about ("?"), a folder of pictures is not; the firmware kinds
    // are not enlarged, and only the C header has a byte order.
    EXPECT_EQ(opened.mid(1), QStringList({dir.path() + " PNG-Bilder, eins je Bild (*.png) 2 0-",
                                          dir.path() + " GIF-Animation (*.gif) 3 0- ?",
                                          dir.path() + " XBM-Bilder, eins je Bild (*.xbm) 1- 1-",
                                          dir.path() + " C-Header (alle Bilder) (*.h) 1- 1 ?"}));
    const auto grids = pictureGrids(state, std::string(13, 'q'));
    EXPECT_EQ(test::bytesOf((typed + "-xbm/bild-002.xbm").toStdString()),
              xbmImage(grids.at(1), "bild"));
    EXPECT_EQ(test::bytesOf((typed + ".h").toStdString()),
              cHeader(grids, "bild", state.Telefonname, ByteOrder::Rows));
    EXPECT_EQ(QImage(typed + QStringLiteral("/bild-002.png")), enlarged(shown, 2));
    EXPECT_EQ(form->statusBar()->currentMessage(), "2 Bilder exportiert: " + typed + ".h");
    EXPECT_EQ(std::tuple(bild1(), form->text6()), std::tuple(shown, QStringLiteral("2")));

    form->setExportChooser([&] {
        return ExportChoice{{ExportKind::Gif},
                            (typed + QStringLiteral("/bild-001.png/x.gif")).toStdString()};
    });
    child<QAction>("BilderExportieren")->trigger();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption + boxes.asked[0].text.left(11 + typed.size()),
              QStringLiteral("AchtungDie Datei „") + typed)
        << "names the file";

    child<QAction>("BildKopieren")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_EQ(form->statusBar()->currentMessage(), "Bild in die Zwischenablage kopiert");
    activate(form.get());
    QGuiApplication::clipboard()->clear();
    form->Bild1().setFocus();
    QTest::keyClick(&form->Bild1(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown)
        << "Ctrl+C on the display copies the picture";
}

// The phone's font through the dialog: the kind chosen with its C name, written as the
// generator makes it; a name it refuses is told, and nothing is written.
TEST_F(Form1Test, ExportTheFontFromTheMenu) {
    QTemporaryDir dir;
    const std::tuple<int, QString, QString> uses[] = {
        {2, "mini", dir.filePath("mini")}, {1, "", dir.filePath("leer")}, {}};
    QStringList opened;
    for (const auto& [filter, name, file] : uses) {
        whenModal<QFileDialog>(form.get(), [&](QFileDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("NameImCCode"));
            opened << dialog.selectedNameFilter() + ' ' + edit->text() +
                          (edit->isEnabled() ? "" : "-");
            if (file.isEmpty())
                return dialog.reject();
            const QString chosen = dialog.nameFilters().value(filter);
            dialog.selectNameFilter(chosen);
            emit dialog.filterSelected(chosen);
            edit->setText(name);
            dialog.selectFile(file);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        child<QAction>("ZeichensatzExportieren")->trigger();
        if (filter == 2) {
            EXPECT_EQ(form->statusBar()->currentMessage(),
                      "Zeichensatz exportiert: " + dir.filePath("mini.h"));
        }
    }
    EXPECT_EQ(opened,
              QStringList({"BDF-Schrift (*.bdf) smssim-", "C-Bibliothek mit Layout (*.h) mini",
                           "Adafruit-GFX-Schrift (*.h) "}));
    Module1 phone;
    const auto lists = ZeichensatzLaden(phone, kTestPhone);
    ASSERT_TRUE(lists);
    EXPECT_EQ(test::bytesOf(dir.filePath("mini.h").toStdString()),
              fontFile(FontFormat::C, phone, *lists, "mini").value());
    EXPECT_FALSE(QFile::exists(dir.filePath("leer.h")));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_TRUE(boxes.asked[0].text.startsWith("Die Datei „" + dir.filePath("leer.h") +
                                               "“ kann nicht geschrieben werden.\n"))
        << boxes.asked[0].text.toStdString();
}

const std::string kThreePictures(30, 'q'); // 6 characters a line, 2 lines a picture

class Form4Test : public MainWindowTest {
  protected:
    // Opens the window on picture 1 as "&Annimieren.." does, but without waiting in exec().
    void open() {
        form->setMessageText(kThreePictures);
        form4 = std::make_unique<Form4>(*form, form.get());
    }
    QString box(const char* name) { return form4->findChild<QLineEdit*>(name)->text(); }
    // z: Zappen, b: Beenden, -/+: fewer/more pictures in the cycle.
    void press(char button) {
        const auto n = std::string("zb-+").find(button) + 1;
        QTest::mouseClick(form4->findChild<QPushButton*>("Command" + QString::number(n)),
                          Qt::LeftButton);
    }

    std::unique_ptr<Form4> form4;
};

TEST_F(Form4Test, CycleAndCountFromPictureOne) {
    open();
    EXPECT_EQ(form4->windowTitle(), QStringLiteral("Annimation"));
    EXPECT_EQ(box("Bilder") + box("aktuellesBild"), QStringLiteral("31"));
    // The button, then Bilder and aktuellesBild; the display shows the picture shown.
    const char* steps[] = {"z32", "z33",
                           "-23", // the count alone changes nothing on the display
                           "z21", // below the shown picture: the next Zappen starts again
                           "-21", // 2 is the least
                           "+31", "+41", "z42", "z43", "z44", "z41", "z42"};
    for (const char* step : steps) {
        press(step[0]);
        EXPECT_EQ(box("Bilder") + box("aktuellesBild"), QString::fromLatin1(step + 1)) << step;
        EXPECT_EQ(state.Bildversatz, -12 * (step[2] - '1')) << step;
        EXPECT_EQ(bild1(), enginePicture(state, kThreePictures)) << step;
    }
    EXPECT_EQ(form->text6(), QStringLiteral("1")) << "only Beenden writes Text6";
    press('b');
    EXPECT_EQ(form4->result(), QDialog::Accepted);
    EXPECT_EQ(form->text6(), QStringLiteral("2"));
    click("Command1"); // the main window's "+" continues from there
    EXPECT_EQ(form->text6(), QStringLiteral("3"));
    EXPECT_EQ(state.Bildversatz, -24);
}

TEST_F(Form4Test, WindowKeysAndLargestCycle) {
    activate(form.get());
    open();
    activate(form4.get());
    EXPECT_EQ(form4->minimumSize(), form4->maximumSize()) << "the window has a fixed size";
    EXPECT_EQ(QApplication::focusWidget(), form4->findChild<QPushButton*>("Command1"));
    QTest::keyClick(form4.get(), Qt::Key_Return);
    EXPECT_EQ(box("aktuellesBild"), QStringLiteral("2")) << "Zappen is the default button";
    form4->findChild<QLineEdit*>("Bilder")->setText(QStringLiteral("32766"));
    press('+');
    press('+');
    EXPECT_EQ(std::tuple(box("Bilder"), form4->ZappAnzahl()), std::tuple(QString("32767"), 32767));
}

} // namespace
} // namespace smssim::test
