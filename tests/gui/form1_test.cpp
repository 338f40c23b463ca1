// The main window with real widgets: start-up, editing and counters, paragraphs, picture
// navigation, the display test, the menu shortcuts and the Info message.

#include "form4.h"
#include "gui_support.h"
#include "numbers.h"

#include <QAction>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace smssim::test {
namespace {

// --- Start-up.

TEST(Form1Start, DefaultPhoneAndStartState) {
    installFontSubstitutions();
    Module1 state;
    ScriptedMessageBoxes boxes;
    Form1 form(state, boxes, kPhonesDir);
    ASSERT_TRUE(form.Form_Load());
    EXPECT_TRUE(boxes.asked.empty());

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Simulator für:  Nokia 5110"));
    auto* text1_0 = form.findChild<QLineEdit*>("Text1_0");
    auto* text1_1 = form.findChild<QPlainTextEdit*>("Text1_1");
    ASSERT_TRUE(text1_0 && text1_1);
    EXPECT_FALSE(text1_0->isHidden());
    EXPECT_TRUE(text1_1->isHidden());
    EXPECT_TRUE(form.findChild<QCheckBox*>("Check1")->isHidden())
        << "the default phone has no paragraphs";
    EXPECT_EQ(form.messageText(), "");
    EXPECT_EQ(form.findChild<QLineEdit*>("Text2")->text(), QStringLiteral("160"));
    EXPECT_EQ(form.findChild<QLabel*>("Label3")->text(), QStringLiteral("160"));
    EXPECT_EQ(form.text6(), QStringLiteral("1"));
    EXPECT_EQ(form.Text1(0).maxLength(), 160);
    EXPECT_EQ(form.Text1(1).maxLength(), 160);
    EXPECT_EQ(state.AktuellerText, 0);
    EXPECT_FALSE(state.Absaetze);
    EXPECT_EQ(state.PosX, 1);
    EXPECT_EQ(state.PosY, 1.0f);
    EXPECT_EQ(state.Bildanzahl, 0) << "nothing is rendered before the first change";

    // Bild1: the phone's size, centred by the outer width (client 527 px + 8 px frame),
    // 32 px down, painted in the background colour only.
    const QSize size = displayPictureSize(state);
    EXPECT_EQ(form.Bild1().size(), size);
    EXPECT_EQ(form.Bild1().pos(),
              QPoint(static_cast<int>(std::lround((535.0 - size.width()) / 2)), 32));
    EXPECT_EQ(form.Bild1().image(), backgroundOnly(state));
    EXPECT_EQ(form.centralWidget()->size(), QSize(527, 420));

    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.findChild<QLineEdit*>("Text2"));
}

class Form1StartPhoneChoice : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(emptyDir.isValid()); }

    QTemporaryDir emptyDir;
    Module1 state;
    ScriptedMessageBoxes boxes;
};

TEST_F(Form1StartPhoneChoice, MissingDefaultPhoneIsExplainedAndAnotherOneChosen) {
    Form1 form(state, boxes, emptyDir.path().toStdString());
    int asked = 0;
    form.setStartPhoneChooser([&] {
        ++asked;
        return kTestPhone;
    });
    ASSERT_TRUE(form.Form_Load());
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption, QStringLiteral("Achtung"));
    EXPECT_TRUE(boxes.asked[0].text.contains(QStringLiteral("Nokia 5110.bsd")))
        << boxes.asked[0].text.toStdString();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Simulator für:  GUI-Testhandy"));
    EXPECT_FALSE(form.findChild<QCheckBox*>("Check1")->isHidden());
}

TEST_F(Form1StartPhoneChoice, RefusedChoiceIsExplainedAndCancellingEndsTheStart) {
    Form1 form(state, boxes, emptyDir.path().toStdString());
    std::vector<std::string> choices{std::string(SMSSIM_TEST_DATA) + "/gui/zero-picture-height.bsd",
                                     ""};
    form.setStartPhoneChooser([&] {
        const std::string next = choices.front();
        choices.erase(choices.begin());
        return next;
    });
    EXPECT_FALSE(form.Form_Load());
    EXPECT_TRUE(choices.empty());
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_TRUE(boxes.asked[1].text.contains(QStringLiteral("zero-picture-height.bsd")));
}

// --- Loading another phone.

using Form1Test = MainWindowTest;

TEST_F(Form1Test, RefusedPhoneKeepsThePreviousOne) {
    const QString title = form->windowTitle();
    const QSize size = form->Bild1().size();
    EXPECT_FALSE(form->loadPhone(std::string(SMSSIM_TEST_DATA) + "/gui/zero-picture-height.bsd"));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption, QStringLiteral("Achtung"));
    EXPECT_EQ(boxes.asked[0].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_EQ(state.Telefonname, "GUI-Testhandy");
    EXPECT_EQ(form->Bild1().size(), size);
}

TEST_F(Form1Test, PhoneWithoutParagraphsWhileInParagraphModeKeepsTheParagraphBox) {
    QTest::mouseClick(check1(), Qt::LeftButton);
    ASSERT_EQ(state.AktuellerText, 1);
    ASSERT_TRUE(form->loadPhone(kPhonesDir + "/Nokia 5110.bsd"));
    EXPECT_TRUE(check1()->isHidden());
    EXPECT_TRUE(check1()->isChecked());
    EXPECT_FALSE(state.Absaetze);
    EXPECT_EQ(state.AktuellerText, 1);
    EXPECT_FALSE(form->Text1(1).widget()->isHidden());
    EXPECT_EQ(form->Bild1().size(), displayPictureSize(state));
}

// --- Typing and counters.

TEST_F(Form1Test, TypingRedrawsTheDisplayAndCountsDown) {
    QTest::keyClicks(text1_0(), "Hallo");
    EXPECT_EQ(form->messageText(), "Hallo");
    EXPECT_EQ(label3()->text(), QStringLiteral("155"));
    EXPECT_EQ(bild1(), enginePicture(state, "Hallo"));
    EXPECT_NE(bild1(), backgroundOnly(state));
    EXPECT_EQ(state.Bildanzahl, 1);

    // 6 characters a line, 2 lines a picture: 25 characters start a third picture.
    QTest::keyClicks(text1_0(), QString(20, QLatin1Char('x')));
    EXPECT_EQ(state.Bildanzahl, 3);
    EXPECT_EQ(label3()->text(), QStringLiteral("135"));
}

TEST_F(Form1Test, MaximumBelowTheTextOrZeroShortensNothing) {
    form->setMessageText(std::string(120, 'a'));
    text2()->setText(QStringLiteral("100"));
    EXPECT_EQ(label3()->text(), QStringLiteral("-20"));
    text1_0()->end(false);
    QTest::keyClicks(text1_0(), "b");
    EXPECT_EQ(form->messageText().size(), 120u) << "typing is stopped, nothing is cut";

    text2()->setText(QStringLiteral("0"));
    EXPECT_EQ(label3()->text(), QStringLiteral("-120"));
    QTest::keyClicks(text1_0(), "bc");
    EXPECT_EQ(form->messageText().size(), 122u) << "0 is no limit";
    EXPECT_EQ(label3()->text(), QStringLiteral("-122"));
}

TEST_F(Form1Test, InvalidMaximumKeepsTheLastValidOne) {
    text2()->setText(QStringLiteral("5"));
    ASSERT_EQ(label3()->text(), QStringLiteral("5"));
    for (const char* invalid : {"", "abc", "-3", "99999999999"}) {
        text2()->setText(QString::fromLatin1(invalid));
        EXPECT_EQ(label3()->text(), QStringLiteral("5")) << invalid;
    }
    QTest::keyClicks(text1_0(), "abcdefg");
    EXPECT_EQ(form->messageText(), "abcde") << "the limit 5 is still in force";
}

TEST_F(Form1Test, EachMessageBoxKeepsItsOwnLimit) {
    text2()->setText(QStringLiteral("5"));
    QTest::mouseClick(check1(), Qt::LeftButton);
    EXPECT_EQ(form->Text1(0).maxLength(), 5);
    EXPECT_EQ(form->Text1(1).maxLength(), 160);
}

TEST_F(Form1Test, DoubleClickSelectsTheWholeText) {
    form->setMessageText("zwei Worte");
    QTest::mouseDClick(text1_0(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(text1_0()->selectedText(), QStringLiteral("zwei Worte"));
}

// --- Paragraphs.

TEST_F(Form1Test, SwitchingParagraphsOnMovesTheTextIntoTheParagraphBox) {
    showActive();
    form->Text1(1).setText("alt");
    form->setMessageText("Hallo");
    QTest::mouseClick(check1(), Qt::LeftButton);
    EXPECT_EQ(state.AktuellerText, 1);
    EXPECT_TRUE(state.Absaetze);
    EXPECT_TRUE(form->Text1(0).widget()->isHidden());
    EXPECT_FALSE(form->Text1(1).widget()->isHidden());
    EXPECT_EQ(form->messageText(), "Hallo");
    EXPECT_EQ(QApplication::focusWidget(), form->Text1(1).widget());

    QTest::keyClick(form->Text1(1).widget(), Qt::Key_End);
    QTest::keyClick(form->Text1(1).widget(), Qt::Key_Return);
    QTest::keyClicks(form->Text1(1).widget(), "Welt");
    EXPECT_EQ(form->messageText(), "Hallo\r\nWelt");
    EXPECT_EQ(bild1(), enginePicture(state, "Hallo\r\nWelt"));
    EXPECT_EQ(label3()->text(), QStringLiteral("149"));
}

TEST_F(Form1Test, SwitchingParagraphsOffAsksAndJoinsTheParagraphs) {
    showActive();
    QTest::mouseClick(check1(), Qt::LeftButton);
    form->setMessageText("\r\na\r\nb\r\n\r\nc\rd\r\n\n");
    boxes.answers = {MessageBoxes::Answer::Yes};
    QTest::mouseClick(check1(), Qt::LeftButton);

    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, QStringLiteral("Sollen alle Absätze gelöscht werden?"));
    EXPECT_EQ(boxes.asked[0].caption, QStringLiteral("Achtung!"));
    EXPECT_EQ(boxes.asked[0].buttons, MessageBoxes::Buttons::YesNo);
    EXPECT_EQ(boxes.asked[0].icon, MessageBoxes::Icon::Critical);

    EXPECT_EQ(state.AktuellerText, 0);
    EXPECT_FALSE(state.Absaetze);
    EXPECT_EQ(state.Textlaenge, 16);
    EXPECT_FALSE(form->Text1(0).widget()->isHidden());
    EXPECT_TRUE(form->Text1(1).widget()->isHidden());
    EXPECT_EQ(form->messageText(), "abc\rd\n") << "only CR LF pairs go; lone CR and LF stay";
    EXPECT_EQ(form->Text1(1).text(), "\r\na\r\nb\r\n\r\nc\rd\r\n\n")
        << "the hidden paragraph box keeps its text";
    EXPECT_EQ(QApplication::focusWidget(), text1_0());
    EXPECT_EQ(bild1(), enginePicture(state, "abc\rd\n"));
}

TEST_F(Form1Test, AnsweringNoKeepsParagraphModeWithoutSwitchingAgain) {
    QTest::mouseClick(check1(), Qt::LeftButton);
    form->setMessageText("a\r\nb");
    form->Text1(0).setText("single box text");
    boxes.answers = {MessageBoxes::Answer::No};
    QTest::mouseClick(check1(), Qt::LeftButton);

    EXPECT_TRUE(check1()->isChecked());
    EXPECT_EQ(state.AktuellerText, 1);
    EXPECT_TRUE(state.Absaetze);
    EXPECT_EQ(form->messageText(), "a\r\nb") << "the switch-on step must not run again";
    EXPECT_FALSE(form->Text1(1).widget()->isHidden());
    EXPECT_EQ(boxes.asked.size(), 1u);
}

// --- Picture navigation.

TEST_F(Form1Test, PlusAndMinusStepThroughThePicturesWithinTheirBounds) {
    showActive();
    const std::string message(30, 'q'); // 5 lines: pictures of lines 1-2, 3-4, 5
    form->setMessageText(message);
    ASSERT_EQ(state.Bildanzahl, 3);
    auto* plus = child<QPushButton>("Command1");
    auto* minus = child<QPushButton>("Command2");

    const struct {
        QPushButton* button;
        const char* text6;
        std::int32_t bildversatz;
    } steps[] = {{plus, "2", -12},  {plus, "3", -24}, {plus, "3", -24},
                 {minus, "2", -12}, {minus, "1", 0},  {minus, "1", 0}};
    for (const auto& step : steps) {
        QTest::mouseClick(step.button, Qt::LeftButton);
        EXPECT_EQ(form->text6(), QString::fromLatin1(step.text6));
        EXPECT_EQ(state.Bildversatz, step.bildversatz);
        EXPECT_EQ(bild1(), enginePicture(state, message)) << step.text6;
        EXPECT_EQ(QApplication::focusWidget(), text1_0()) << "focus back in the message box";
    }
}

TEST_F(Form1Test, ShorterMessageKeepsThePictureNumberUntilMinus) {
    form->setMessageText(std::string(30, 'q'));
    auto* plus = child<QPushButton>("Command1");
    QTest::mouseClick(plus, Qt::LeftButton);
    QTest::mouseClick(plus, Qt::LeftButton);
    ASSERT_EQ(form->text6(), QStringLiteral("3"));

    form->setMessageText("kurz");
    EXPECT_EQ(form->text6(), QStringLiteral("3"));
    EXPECT_EQ(bild1(), backgroundOnly(state)) << "picture 3 of a short message is empty";
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(form->text6(), QStringLiteral("3"));
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(form->text6(), QStringLiteral("2"));
    EXPECT_EQ(state.Bildversatz, -12);
}

// --- The display test.

class DisplayTest : public MainWindowTest {
  protected:
    void doubleClickFrameArea() {
        QTest::mouseDClick(child<QGroupBox>("Frame1"), Qt::LeftButton, Qt::NoModifier,
                           QPoint(8, 30));
    }
};

TEST_F(DisplayTest, ExactTextEmptiesTheBoxAndDrawsThePattern) {
    form->setMessageText("Displaytest");
    doubleClickFrameArea();
    EXPECT_EQ(form->messageText(), "");
    Module1 copy = state;
    LcdImage expected;
    expected.resize(displayPictureSize(copy), copy.Displaybreite, copy.Displayhoehe);
    DisplayZeichnen(copy, "", expected);
    Bildtest(copy, expected);
    EXPECT_EQ(bild1(), expected.image());
    EXPECT_NE(bild1(), backgroundOnly(state));
    EXPECT_EQ(label3()->text(), QStringLiteral("160"));
}

TEST_F(DisplayTest, OtherTextsDoNothing) {
    for (const char* text : {"displaytest", "Displaytest ", "Display test"}) {
        form->setMessageText(text);
        const QImage before = bild1();
        doubleClickFrameArea();
        EXPECT_EQ(form->messageText(), text);
        EXPECT_EQ(bild1(), before) << text;
    }
}

TEST_F(DisplayTest, DoubleClicksOnTheFramesControlsDoNotCount) {
    form->setMessageText("Displaytest");
    for (const char* name : {"Label7", "Text6", "Command1", "Command2"}) {
        auto* control = child<QWidget>(name);
        QTest::mouseDClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        EXPECT_EQ(form->messageText(), "Displaytest") << name;
    }
}

// --- Menu shortcuts act in the whole window, also with the focus in the message box.

class ShortcutTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        showActive();
        form->setMessageText("Nachricht");
        text1_0()->setFocus();
        text1_0()->selectAll();
        ASSERT_EQ(QApplication::focusWidget(), text1_0());
    }

    // The menu item, cut off from its handler so that no dialog opens.
    QSignalSpy* spyOn(const char* name) {
        auto* action = child<QAction>(name);
        QObject::disconnect(action, nullptr, form.get(), nullptr);
        spy = std::make_unique<QSignalSpy>(action, &QAction::triggered);
        return spy.get();
    }

    std::unique_ptr<QSignalSpy> spy;
};

TEST_F(ShortcutTest, CtrlXEndsTheProgramInsteadOfCutting) {
    QTest::keyClick(text1_0(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->messageText(), "Nachricht");
}

TEST_F(ShortcutTest, CtrlOAndCtrlSChooseTheirMenuItems) {
    const struct {
        const char* item;
        Qt::Key key;
    } rows[] = {{"Öffnen", Qt::Key_O}, {"Speichern", Qt::Key_S}};
    for (const auto& row : rows) {
        QSignalSpy* triggered = spyOn(row.item);
        QTest::keyClick(text1_0(), row.key, Qt::ControlModifier);
        EXPECT_EQ(triggered->count(), 1) << row.item;
    }
}

TEST_F(ShortcutTest, CtrlAOpensTheAnimationWindowInsteadOfSelectingAll) {
    text1_0()->deselect();
    bool opened = false;
    QString caption;
    QTimer::singleShot(0, form.get(), [&] {
        auto* form4 = qobject_cast<Form4*>(QApplication::activeModalWidget());
        opened = form4 != nullptr;
        if (form4) {
            caption = form4->windowTitle();
            form4->close();
        }
    });
    QTest::keyClick(text1_0(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(opened);
    EXPECT_EQ(caption, QStringLiteral("Annimation"));
    EXPECT_FALSE(text1_0()->hasSelectedText());
}

TEST_F(Form1Test, InfoCreditsTheProjectInOneLine) {
    QApplication::setApplicationDisplayName(QStringLiteral("smssim"));
    child<QAction>("Info")->trigger();
    ASSERT_EQ(boxes.asked.size(), 1u);
    const AskedBox& info = boxes.asked[0];
    EXPECT_EQ(info.buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(info.icon, MessageBoxes::Icon::None);
    EXPECT_EQ(info.caption, QStringLiteral("smssim"));
    EXPECT_FALSE(info.text.contains(QLatin1Char('\n')));
    EXPECT_TRUE(info.text.contains(QStringLiteral("smssim")));
    EXPECT_TRUE(info.text.contains(QLatin1Char('(')) && info.text.endsWith(QLatin1Char(')')));
}

TEST_F(Form1Test, BildOneRepaintsItsRetainedPicture) {
    form->setMessageText("Bild");
    showActive();
    const QImage painted = form->Bild1().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, bild1());
}

} // namespace
} // namespace smssim::test
