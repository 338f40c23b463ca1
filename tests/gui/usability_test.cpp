// What a person meets who works with the keyboard or a screen reader: the Tab order of
// the windows and the accessible names of their controls.

#include "dialog_placement.h"
#include "display_fit.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "gui_support.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QScreen>
#include <set>

namespace smssim::test {
namespace {

// The object names of the controls that take the focus, pressing Tab `presses` times.
QStringList tabWalk(int presses) {
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    return walked;
}

using Usability = MainWindowTest;

// Every control that takes the focus, hidden ones included, tells a screen reader what it
// is: a name with at least one letter ("+" or "160" do not say it), not merely the
// caption of the frame it sits in, and no two alike.
void expectAccessibleNames(QWidget* window, std::size_t expectedControls) {
    std::set<QString> names;
    std::size_t controls = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        ++controls;
        // On Linux Qt names a combo box by its entry; elsewhere the property is its name.
        const QString name =
            qobject_cast<QComboBox*>(w)
                ? w->accessibleName()
                : QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        const std::string what = w->objectName().toStdString() + ": '" + name.toStdString() + "'";
        EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }))
            << what;
        if (auto* frame = qobject_cast<QGroupBox*>(w->parentWidget())) {
            EXPECT_FALSE(name == frame->title()) << what;
        }
        EXPECT_TRUE(names.insert(name).second) << what << " twice";
    }
    EXPECT_EQ(controls, expectedControls) << window->objectName().toStdString();
}

TEST_F(Usability, TabFollowsTheTabIndexesSkipsHiddenControlsAndEveryControlIsNamed) {
    expectAccessibleNames(form.get(), 10);
    EXPECT_EQ(text1_0()->accessibleName(), QStringLiteral("Nachricht"));
    EXPECT_EQ(child<QLabel>("Label3")->accessibleName(), "Verbleibende Buchstaben");
    // The test phone allows paragraphs, so Check1 is shown; Text1(1) is hidden.
    activate(form.get());
    EXPECT_EQ(tabWalk(9).join(' '),
              "Text2 Text3 Text4 Bild1 Check1 Text6 Command2 Command1 Text1_0 Text2");

    check1()->click();
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Text1_1"));
    EXPECT_EQ(tabWalk(2).join(' '), "Text1_1 Text2 Text3") << "Tab leaves the paragraph box";

    // A phone without paragraphs hides Check1 and returns to the single-line box, with the
    // message as Ja leaves it, without asking.
    form->setMessageText("A\r\nB");
    ASSERT_TRUE(form->loadPhone(kPhonesDir + "/Nokia 5110.bsd"));
    EXPECT_EQ(
        std::tuple(form->messageText(), form->Text1(1).text(), state.Absaetze, boxes.asked.size()),
        std::tuple(std::string("AB"), std::string("A\r\nB"), false, 0u));
    text2()->setFocus();
    EXPECT_EQ(tabWalk(8).join(' '),
              "Text2 Text3 Text4 Bild1 Text6 Command2 Command1 Text1_0 Text2");

    form->setMessageText(std::string(30, 'q'));
    Form4 form4(*form, form.get());
    expectAccessibleNames(&form4, 6);
    activate(&form4);
    EXPECT_EQ(tabWalk(6).join(' '),
              "Command1 Command2 Bilder Command3 Command4 aktuellesBild Command1");

    Form2 form2(state, boxes, "Hallo"); // of the Nokia phone now
    expectAccessibleNames(&form2, 6);
    Form3 form3(state, boxes, [](const std::string&) {});
    expectAccessibleNames(&form3, 5);
    // The file list is named by its caption, which says what kind of file it lists.
    form3.setLabelCaption(QStringLiteral("Zeichensatz - Dateien:"));
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(form3.findChild<QWidget*>("File1"));
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Zeichensatz - Dateien"));
}

// Each dialog also opens on the screen and clear of the display, wherever the window is.
TEST_F(Usability, EscapeDoesWhatTheCloseBoxDoesInEveryDialogFromEveryControl) {
    activate(form.get());
    form->setMessageText(std::string(30, 'q'));
    const QRect screen = form->screen()->availableGeometry();
    const QPoint places[] = {form->pos(), screen.topLeft()};
    using Command = void (Form1::*)();
    for (const Command command : {&Form1::Öffnen_Click, &Form1::Speichern_Click,
                                  &Form1::Zeichensatz_Click, &Form1::Annimieren_Click}) {
        // Ten times with the focus in each control in turn.
        for (int i = 0, controls = 1; i < 10 * controls; ++i) {
            form->move(places[i % 2]);
            whenModal<QDialog>(form.get(), [&](QDialog& dialog) {
                const QWidget& display = form->Bild1();
                EXPECT_TRUE(screen.contains(dialog.frameGeometry()));
                EXPECT_FALSE(dialog.frameGeometry().intersects(
                    QRect(display.mapToGlobal(QPoint(0, 0)), display.size())));
                if (auto* animation = qobject_cast<Form4*>(&dialog))
                    animation->Command1_Click(); // what Beenden would hand back
                QList<QWidget*> focusable;
                for (QWidget* w : dialog.findChildren<QWidget*>())
                    if (w->focusPolicy() & Qt::TabFocus)
                        focusable << w;
                controls = static_cast<int>(focusable.size());
                QWidget* focus = focusable[i % controls];
                activate(&dialog);
                focus->setFocus();
                ASSERT_EQ(QApplication::focusWidget(), focus);
                QTest::keyClick(focus, Qt::Key_Escape);
                EXPECT_FALSE(dialog.isVisible()) << focus->objectName().toStdString();
                EXPECT_EQ(dialog.result(), QDialog::Rejected);
            });
            (form.get()->*command)();
            // As before, also after a Zappen in the animation window.
            EXPECT_EQ(
                std::tuple(form->text6(), state.Bildversatz, state.Dateiname, state.Telefonname),
                std::tuple(QString("1"), 0, std::string(), std::string("GUI-Testhandy")));
            EXPECT_EQ(bild1(), enginePicture(state, form->messageText()));
            QApplication::processEvents();
            EXPECT_EQ(QApplication::activeWindow(), form.get()) << "the keyboard is back";
        }
    }
    EXPECT_EQ(form->messageText(), std::string(30, 'q'));
    EXPECT_TRUE(boxes.asked.empty());
}

// The real question boxes: J and N answer with or without Alt, Enter gives the default
// button, Escape "Nein" (or the only button); '-' where a key does nothing.
TEST_F(Usability, MessageBoxesAnswerToTheirKeys) {
    using B = MessageBoxes::Buttons;
    const std::pair<Qt::Key, Qt::KeyboardModifier> keys[] = {
        {Qt::Key_J, Qt::NoModifier},      {Qt::Key_N, Qt::NoModifier},
        {Qt::Key_J, Qt::AltModifier},     {Qt::Key_N, Qt::AltModifier},
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier}};
    const std::pair<B, const char*> rows[] = {{B::Ok, "----OO"},
                                              {B::OkCancel, "----OC"},
                                              {B::YesNo, "YNYNYN"},
                                              {B::YesNoDefaultNo, "YNYNNN"}};
    QtMessageBoxes real;
    // Over a dialog, as the save question is; the dialog has the keyboard again after it.
    Form4 over(*form, form.get());
    over.setWindowModality(Qt::ApplicationModal);
    activate(&over);
    for (const auto& [buttons, answers] : rows) {
        for (std::size_t k = 0; k < std::size(keys); ++k) {
            if (answers[k] == '-')
                continue;
            whenModal<QMessageBox>(form.get(), [&](QMessageBox& box) {
                activate(&box);
                QTest::keyClick(QApplication::focusWidget(), keys[k].first, keys[k].second);
                EXPECT_TRUE(QTest::qWaitFor([&] { return !box.isVisible(); })); // J, N animate
            });
            const auto answer =
                real.ask(&over, "?", "Achtung", buttons, MessageBoxes::Icon::Question);
            EXPECT_EQ("OCYN"[static_cast<int>(answer)], answers[k]) << answers << " key " << k;
            QApplication::processEvents();
            EXPECT_EQ(QApplication::activeWindow(), &over);
        }
    }
}

// On a 1000 x 800 screen: beside the window, under the display, at the edges exactly.
TEST(ScreenFit, DialogsAndWindowsLieOnTheScreen) {
    const QRect screen(0, 0, 1000, 800);
    const struct {
        QRect window, keep;
        QSize dialog;
        QPoint at;
    } clearOf[] = {
        {{100, 100, 400, 300}, {150, 150, 200, 100}, {200, 150}, {500, 100}},
        {{200, 700, 400, 100}, {250, 720, 200, 50}, {200, 150}, {600, 650}},  // bottom edge
        {{600, 100, 400, 300}, {650, 150, 200, 100}, {200, 150}, {400, 100}}, // left side
        {{0, 0, 1000, 500}, {300, 100, 400, 200}, {200, 150}, {399, 308}},    // under it
        {{0, 0, 1000, 800}, {300, 100, 400, 690}, {200, 150}, {399, 650}}};   // over it
    for (const auto& row : clearOf)
        EXPECT_EQ(placeClearOf(screen, row.window, row.keep, row.dialog), row.at) << row.at.x();
    EXPECT_EQ(placeInside(screen, {300, 200}, std::nullopt),
              QPoint(349, 299)); // QRect centres round down
    EXPECT_EQ(placeInside(screen, {300, 200}, QPoint(900, 700)), QPoint(700, 600));
    EXPECT_EQ(placeInside(screen, {1200, 900}, QPoint(50, 50)), QPoint(0, 0));

    const DisplayRoom room{400, 412, 20, 120}; // 12 pixels of frame
    EXPECT_EQ(displayExcess({388, 100}, room), QSize(0, 0)) << "fits exactly";
    EXPECT_EQ(displayExcess({400, 150}, room), QSize(12, 50));
    const std::vector<QSize> sizes{{400, 200}, {252, 144}, {168, 96}, {84, 48}};
    EXPECT_EQ(displaySizesToTry({400, 200}, 84, 48), sizes);
    EXPECT_EQ(displaySizesToTry({84, 48}, 84, 48), std::vector<QSize>{QSize(84, 48)});
    const std::vector<QSize> narrower{{300, 100}, {252, 100}, {168, 96}, {84, 48}};
    EXPECT_EQ(displaySizesToTry({300, 100}, 84, 48), narrower);
    const std::vector<QSize> empty{{10, 10}, {1, 10}}; // no picture narrower than a pixel
    EXPECT_EQ(displaySizesToTry({10, 10}, 0, 48), empty);
}

} // namespace
} // namespace smssim::test
