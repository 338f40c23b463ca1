// A message of 100,000 characters, one a picture, in the real windows: the box keeps
// all of it, and picture numbers and offsets pass the 16-bit range with "+", "-" and
// "Zappen".

#include "form4.h"
#include "gui_support.h"

namespace smssim::test {
namespace {

using LongMessage = MainWindowTest;

TEST_F(LongMessage, PicturesPastThe16BitRange) {
    ASSERT_TRUE(form->loadPhone(std::string(SMSSIM_TEST_DATA) + "/gui/one-character-pictures.bsd"));
    text2()->setText(QStringLiteral("100002"));
    std::string message(100000, ' '); // neighbouring pictures never look alike
    for (std::size_t i = 0; i < message.size(); ++i)
        message[i] = static_cast<char>(33 + i % 94);
    form->setMessageText(message);
    // QLineEdit's own default limit is 32767 characters.
    EXPECT_EQ(message_text::fromDisplay(text1_0()->text()), message);
    EXPECT_EQ(label3(), QStringLiteral("2"));
    ASSERT_EQ(state.Bildanzahl, 100000);
    const auto expectPicture = [&](int n) {
        Module1 alone = state;
        alone.Bildversatz = 0;
        EXPECT_EQ(state.Bildversatz, -6 * (n - 1)) << n;
        EXPECT_EQ(bild1(), enginePicture(alone, message.substr(static_cast<std::size_t>(n - 1), 1)))
            << n;
    };
    for (const int from : {32766, 32767, 32768, 65535, 65536, 99998, 99999, 100000}) {
        form->setText6(QString::number(from));
        click("Command1");
        EXPECT_EQ(form->text6(), QString::number(std::min(from + 1, 100000)));
        expectPicture(std::min(from + 1, 100000));
    }
    click("Command2");
    expectPicture(99999);

    for (const char* text6 : {"99998", "40000"}) {
        form->setText6(QString::fromLatin1(text6));
        Form4 form4(*form, form.get());
        auto press = [&](const char* name) { form4.findChild<QPushButton*>(name)->click(); };
        press("Command4");
        EXPECT_EQ(form4.findChild<QLineEdit*>("Bilder")->text(), QStringLiteral("100000"))
            << "+ never goes past 32767";
        for (const int n :
             text6[0] == '9' ? std::vector{99999, 100000, 1, 2} : std::vector{40001}) {
            press("Command1");
            EXPECT_EQ(form4.findChild<QLineEdit*>("aktuellesBild")->text(), QString::number(n));
            expectPicture(n);
        }
        press("Command2"); // "Beenden" hands the number back
    }
    EXPECT_EQ(form->text6(), QStringLiteral("40001"));
    click("Command1");
    expectPicture(40002);

    text1_0()->end(false);
    QTest::keyClicks(text1_0(), "xyz");
    EXPECT_EQ(form->messageText().size(), 100002u) << "two more fit, the third does not";
}

} // namespace
} // namespace smssim::test
