// The animation window over a real main window: the cycle, its length, handing the
// picture number back, and what the display shows after each "Zappen".

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
