#pragma once
// Shared by the window tests: a main window on the offscreen platform with the test
// phone loaded, and the engine's own picture of a message to compare Bild1 with.
//
// tests/data/gui/gui-test.bsd: display 24 x 12, line width 24, picture height 12, line
// pitch 6, paragraphs allowed, no word wrap. Codes 33..126, 128 and 228 have glyphs of
// 5 rows x 3 columns whose pixels are the bits of the code (and of its complement), so
// every character looks different; the space is blank. Each glyph is 4 pixels wide:
// 6 characters make a line, 12 a picture.

#include "display_picture.h"
#include "fonts.h"
#include "form1.h"
#include "lcd_image.h"
#include "renderer.h"
#include "scripted_message_boxes.h"
#include "state.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace smssim::test {

inline const std::string kTestPhone = std::string(SMSSIM_TEST_DATA) + "/gui/gui-test.bsd";
inline const std::string kPhonesDir = SMSSIM_PHONES_DIR;

// What Bild1 must show: the engine drawing `text` for a copy of the state.
inline QImage enginePicture(const Module1& state, const std::string& text) {
    Module1 copy = state;
    LcdImage lcd;
    lcd.resize(displayPictureSize(copy), copy.Displaybreite, copy.Displayhoehe);
    DisplayZeichnen(copy, text, lcd);
    return lcd.image();
}

inline QImage backgroundOnly(const Module1& state) {
    QImage image(displayPictureSize(state), QImage::Format_RGB32);
    image.fill(colourFromLong(state.Hintergrundfarbe));
    return image;
}

// A main window with the shipped default phone loaded by Form_Load, then the test phone.
class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        installFontSubstitutions();
        // Ctrl+X closes the window; no test may end the application's event loops.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void SetUp() override {
        form = std::make_unique<Form1>(state, boxes, kPhonesDir);
        ASSERT_TRUE(form->Form_Load());
        ASSERT_TRUE(form->loadPhone(kTestPhone));
        ASSERT_TRUE(boxes.asked.empty());
    }

    // Shows the window and makes it active, so that focus and shortcuts behave.
    void showActive() {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename W> W* child(const char* name) {
        auto* w = form->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QLineEdit* text1_0() { return child<QLineEdit>("Text1_0"); }
    QCheckBox* check1() { return child<QCheckBox>("Check1"); }
    QLineEdit* text2() { return child<QLineEdit>("Text2"); }
    QLabel* label3() { return child<QLabel>("Label3"); }
    QLineEdit* text6() { return child<QLineEdit>("Text6"); }

    QImage bild1() const { return form->Bild1().image(); }

    Module1 state;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<Form1> form;
};

} // namespace smssim::test
