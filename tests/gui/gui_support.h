#pragma once
// Shared by the window and dialog tests: a main window on the offscreen platform with the
// test phone loaded, the engine's own picture of a message to compare Bild1 with, and the
// file lists of the open and save dialogs driven by name.
// tests/data/gui/gui-test.bsd: display 24 x 12 pixels, paragraphs allowed, no word wrap;
// every character of codes 33..126 looks different. 6 characters make a line, 12 a picture.

#include "display_picture.h"
#include "file_list.h"
#include "fonts.h"
#include "form1.h"
#include "lcd_image.h"
#include "renderer.h"
#include "scripted_message_boxes.h"
#include "state.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
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

inline void writeFile(const QString& path, const std::string& bytes) {
    ASSERT_TRUE(std::ofstream(path.toStdString(), std::ios::binary) << bytes) << path.toStdString();
}

template <typename W = QWidget> W* child(const QObject& parent, const char* name) {
    auto* w = parent.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
inline void press(const QObject& dialog, const char* button) {
    child<QPushButton>(dialog, button)->click();
}

// The row of the file `name` in a dialog's file list, and selecting it as a click does.
inline int rowOf(const FileList* list, const QString& name) {
    for (int i = 0; i < list->ListCount(); ++i)
        if (list->List(i) == name)
            return i;
    ADD_FAILURE() << "no file " << name.toStdString();
    return 0;
}
inline void select(FileList* list, const QString& name) {
    list->setListIndex(rowOf(list, name));
}

// A real double click: press and release, then the double-click event and release.
// QTest::mouseDClick alone sends no press, which item views need first.
inline void doubleClick(QWidget* viewport, QPoint at) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

// Shows `window` and makes it active, so that focus and shortcuts behave.
inline void activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// Runs `act` on the modal dialog once its exec() has started. A dialog that is not of
// that kind, or that `act` leaves open, is closed with a failure: no test hangs in exec().
template <typename D> void whenModal(QObject* context, std::function<void(D&)> act) {
    QTimer::singleShot(0, context, [act] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* dialog = qobject_cast<D*>(modal))
            act(*dialog);
        else
            ADD_FAILURE() << "no modal dialog of the expected kind";
        if (modal && modal->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            modal->done(QDialog::Rejected);
        }
    });
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

    template <typename W = QWidget> W* child(const char* name) {
        return test::child<W>(*form, name);
    }
    template <typename W> W* child(const QObject& parent, const char* name) {
        return test::child<W>(parent, name);
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    QLineEdit* text1_0() { return child<QLineEdit>("Text1_0"); }
    QCheckBox* check1() { return child<QCheckBox>("Check1"); }
    QLineEdit* text2() { return child<QLineEdit>("Text2"); }
    QString label3() { return child<QLabel>("Label3")->text(); }
    QImage bild1() const { return form->Bild1().image(); }

    Module1 state;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<Form1> form;
};

} // namespace smssim::test
