// The animation window over a real main window: the cycle, its length, handing the
// picture number back, and what the display shows after each "Zappen"; and a message of
// 100,000 pictures, whose numbers and offsets pass the 16-bit range in both windows.

#include "form4.h"
#include "gui_support.h"

#include <tuple>

namespace smssim::test {
namespace {

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

TEST_F(Form4Test, WindowKeysCloseBoxAndLargestCycle) {
    activate(form.get());
    open();
    activate(form4.get());
    EXPECT_EQ(form4->minimumSize(), form4->maximumSize()) << "the window has a fixed size";
    EXPECT_EQ(QApplication::focusWidget(), form4->findChild<QPushButton*>("Command1"));
    QTest::keyClick(form4.get(), Qt::Key_Return);
    EXPECT_EQ(box("aktuellesBild"), QStringLiteral("2")) << "Zappen is the default button";
    form4->close(); // as Escape does, which the keyboard tests check from every control
    EXPECT_FALSE(form4->isVisible());
    // Text6 stays, and the display returns to its picture.
    EXPECT_EQ(std::tuple(form->text6(), state.Bildversatz), std::tuple(QString("1"), 0));
    EXPECT_EQ(bild1(), enginePicture(state, kThreePictures));

    form4->findChild<QLineEdit*>("Bilder")->setText(QStringLiteral("32766"));
    press('+');
    press('+');
    EXPECT_EQ(std::tuple(box("Bilder"), form4->ZappAnzahl()), std::tuple(QString("32767"), 32767));
}

using LongMessage = MainWindowTest;

// One character a picture; "+", "-" and "Zappen" past 32767 and 65535.
TEST_F(LongMessage, PicturesPastThe16BitRange) {
    ASSERT_TRUE(form->loadPhone(std::string(SMSSIM_TEST_DATA) + "/gui/one-character-pictures.bsd"));
    text2()->setText(QStringLiteral("100002"));
    std::string message(100000, ' '); // neighbouring pictures never look alike
    for (std::size_t i = 0; i < message.size(); ++i)
        message[i] = static_cast<char>(33 + i % 94);
    form->setMessageText(message);
    // QLineEdit's own default limit is 32767 characters.
    EXPECT_EQ(message_text::fromDisplay(text1_0()->text()), message);
    EXPECT_EQ(std::tuple(label3(), state.Bildanzahl), std::tuple(QString("2"), 100000));
    const auto expectPicture = [&](int n) {
        Module1 alone = state;
        alone.Bildversatz = 0;
        EXPECT_EQ(state.Bildversatz, -6 * (n - 1)) << n;
        EXPECT_EQ(bild1(), enginePicture(alone, message.substr(static_cast<std::size_t>(n - 1), 1)))
            << n;
    };
    for (const auto& [from, button, n] : {std::tuple(32767, "Command1", 32768),
                                          {65536, "Command2", 65535},
                                          {99999, "Command1", 100000}}) {
        form->setText6(QString::number(from));
        click(button);
        EXPECT_EQ(form->text6(), QString::number(n));
        expectPicture(n);
    }
    // The animation from picture 99999: its "+" keeps all 100000 pictures in the cycle,
    // Zappen shows the last one and Beenden hands it back.
    form->setText6(QStringLiteral("99999"));
    Form4 form4(*form, form.get());
    const auto press = [&](const char* name) { form4.findChild<QPushButton*>(name)->click(); };
    press("Command4");
    press("Command1");
    EXPECT_EQ(form4.findChild<QLineEdit*>("Bilder")->text() + ' ' +
                  form4.findChild<QLineEdit*>("aktuellesBild")->text(),
              QStringLiteral("100000 100000"));
    expectPicture(100000);
    press("Command2");
    click("Command2");
    EXPECT_EQ(form->text6(), QStringLiteral("99999"));
    expectPicture(99999);

    text1_0()->end(false);
    QTest::keyClicks(text1_0(), "xyz");
    EXPECT_EQ(form->messageText().size(), 100002u) << "two more fit, the third does not";
}

} // namespace
} // namespace smssim::test
