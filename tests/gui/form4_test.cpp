// The animation window over a real main window: the cycle, its length, handing the
// picture number back, and what the display shows after each "Zappen".

#include "form4.h"
#include "gui_support.h"

#include <QGroupBox>

namespace smssim::test {
namespace {

// 6 characters a line, 2 lines a picture (gui_support.h).
const std::string kOnePicture = "kurz";
const std::string kThreePictures(30, 'q');

class Form4Test : public MainWindowTest {
  protected:
    // Opens the window as "&Annimieren.." does, but without waiting in exec().
    Form4& open(const std::string& message, const char* text6) {
        form->setMessageText(message);
        form->setText6(QString::fromLatin1(text6));
        form4 = std::make_unique<Form4>(*form, form.get());
        return *form4;
    }

    QString bilder() { return form4->findChild<QLineEdit*>("Bilder")->text(); }
    QString aktuellesBild() { return form4->findChild<QLineEdit*>("aktuellesBild")->text(); }
    void click(const char* name) {
        QTest::mouseClick(form4->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void zappen() { click("Command1"); }
    void minus() { click("Command3"); }
    void plus() { click("Command4"); }

    // The picture the engine draws for the message at the state's Bildversatz.
    QImage picture(const std::string& message) { return enginePicture(state, message); }

    std::unique_ptr<Form4> form4;
};

TEST_F(Form4Test, ThreePicturesFromPictureOneCycleBackToOne) {
    open(kThreePictures, "1");
    EXPECT_EQ(bilder(), QStringLiteral("3"));
    EXPECT_EQ(aktuellesBild(), QStringLiteral("1"));
    EXPECT_EQ(form4->windowTitle(), QStringLiteral("Annimation"));

    const struct {
        const char* shown;
        std::int32_t bildversatz;
    } steps[] = {{"2", -12}, {"3", -24}, {"1", 0}, {"2", -12}};
    for (const auto& step : steps) {
        zappen();
        EXPECT_EQ(aktuellesBild(), QString::fromLatin1(step.shown));
        EXPECT_EQ(state.Bildversatz, step.bildversatz);
        EXPECT_EQ(bild1(), picture(kThreePictures)) << step.shown;
    }
    EXPECT_EQ(form->text6(), QStringLiteral("1")) << "only Beenden writes Text6";
}

TEST_F(Form4Test, StartingOnTheLastPictureTheFirstZappenShowsPictureOne) {
    open(kThreePictures, "3");
    EXPECT_EQ(aktuellesBild(), QStringLiteral("3"));
    zappen();
    EXPECT_EQ(aktuellesBild(), QStringLiteral("1"));
    EXPECT_EQ(state.Bildversatz, 0);
}

TEST_F(Form4Test, OnePictureCycleRedrawsPictureOne) {
    open(kOnePicture, "1");
    EXPECT_EQ(bilder(), QStringLiteral("1"));
    minus();
    EXPECT_EQ(bilder(), QStringLiteral("1")) << "1 is not greater than 2";
    for (int i = 0; i < 2; ++i) {
        zappen();
        EXPECT_EQ(aktuellesBild(), QStringLiteral("1"));
        EXPECT_EQ(state.Bildversatz, 0);
        EXPECT_EQ(bild1(), picture(kOnePicture));
    }
}

TEST_F(Form4Test, MinusStopsAtTwoAndPlusShowsEmptyPicturesPastTheMessage) {
    open(kThreePictures, "1");
    minus();
    EXPECT_EQ(bilder(), QStringLiteral("2"));
    EXPECT_EQ(form4->ZappAnzahl(), 2);
    minus();
    EXPECT_EQ(bilder(), QStringLiteral("2"));

    plus();
    plus();
    EXPECT_EQ(bilder(), QStringLiteral("4"));
    EXPECT_EQ(form4->ZappAnzahl(), 4);
    for (int i = 0; i < 3; ++i)
        zappen();
    EXPECT_EQ(aktuellesBild(), QStringLiteral("4"));
    EXPECT_EQ(state.Bildversatz, -36);
    EXPECT_EQ(bild1(), backgroundOnly(state)) << "the fourth picture of three holds no text";
    zappen();
    EXPECT_EQ(aktuellesBild(), QStringLiteral("1"));
}

TEST_F(Form4Test, PlusStopsAt32767) {
    open(kOnePicture, "1");
    form4->findChild<QLineEdit*>("Bilder")->setText(QStringLiteral("32766"));
    plus();
    EXPECT_EQ(bilder(), QStringLiteral("32767"));
    plus();
    EXPECT_EQ(bilder(), QStringLiteral("32767"));
    EXPECT_EQ(form4->ZappAnzahl(), 32767);
}

TEST_F(Form4Test, LoweringTheCountBelowTheShownPictureRestartsOnTheNextZappen) {
    open(kThreePictures, "1");
    zappen();
    zappen();
    ASSERT_EQ(aktuellesBild(), QStringLiteral("3"));
    const QImage third = bild1();
    minus();
    EXPECT_EQ(bild1(), third) << "the count alone changes nothing on the display";
    EXPECT_EQ(state.Bildversatz, -24);
    zappen();
    EXPECT_EQ(aktuellesBild(), QStringLiteral("1"));
    EXPECT_EQ(bild1(), picture(kThreePictures));
}

TEST_F(Form4Test, BeendenAfterZappenHandsThePictureNumberBack) {
    open(kThreePictures, "1");
    zappen();
    click("Command2");
    EXPECT_EQ(form4->result(), QDialog::Accepted);
    EXPECT_EQ(form->text6(), QStringLiteral("2"));
    // The main window's "+" continues from there.
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(form->text6(), QStringLiteral("3"));
    EXPECT_EQ(state.Bildversatz, -24);
}

TEST_F(Form4Test, BeendenWithoutZappenWritesBackTheTextItRead) {
    open(kThreePictures, "3");
    click("Command2");
    EXPECT_EQ(form->text6(), QStringLiteral("3"));
    EXPECT_EQ(state.Bildversatz, 0) << "nothing was redrawn";
}

TEST_F(Form4Test, CloseBoxLeavesTextSixWhileTheDisplayKeepsTheZappedPicture) {
    open(kThreePictures, "1");
    form4->show();
    zappen();
    form4->close();
    EXPECT_FALSE(form4->isVisible());
    EXPECT_EQ(form->text6(), QStringLiteral("1"));
    EXPECT_EQ(bild1(), picture(kThreePictures));
    EXPECT_EQ(state.Bildversatz, -12);
}

TEST_F(Form4Test, ZappenIsTheDefaultButtonWithTheFocusAndEscapeClosesLikeTheCloseBox) {
    showActive();
    open(kThreePictures, "1");
    form4->show();
    QApplication::setActiveWindow(form4.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form4.get()));
    EXPECT_EQ(QApplication::focusWidget(), form4->findChild<QPushButton*>("Command1"));
    QTest::keyClick(form4.get(), Qt::Key_Return);
    EXPECT_EQ(aktuellesBild(), QStringLiteral("2"));
    QTest::keyClick(form4.get(), Qt::Key_Escape);
    EXPECT_FALSE(form4->isVisible());
    EXPECT_EQ(form->text6(), QStringLiteral("1"));
}

} // namespace
} // namespace smssim::test
