// What a person meets who works with the keyboard, a screen reader or in German: the Tab
// order of the windows, the menu's access keys, the accessible names of the controls and
// the German texts of Qt's own file dialog.

#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "gui_support.h"
#include "qt_texts.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <ostream>
#include <set>

// Readable failure messages for lists of object names.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace smssim::test {
namespace {

// The object names of the controls that take the focus, pressing Tab `presses` times.
std::vector<QString> tabWalk(QWidget* window, int presses) {
    std::vector<QString> walked{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                        Qt::Key_Tab);
        walked.push_back(QApplication::focusWidget()->objectName());
    }
    return walked;
}

void activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

using Keyboard = MainWindowTest;

TEST_F(Keyboard, TabFollowsTheTabIndexesAndSkipsHiddenControls) {
    // The test phone allows paragraphs, so Check1 is shown; Text1(1) is hidden.
    activate(form.get());
    EXPECT_EQ(tabWalk(form.get(), 9),
              (std::vector<QString>{"Text2", "Text3", "Text4", "Bild1", "Check1", "Text6",
                                    "Command2", "Command1", "Text1_0", "Text2"}));

    // The default phone has no paragraphs: Check1 is hidden and left out.
    ASSERT_TRUE(form->loadPhone(kPhonesDir + "/Nokia 5110.bsd"));
    child<QLineEdit>("Text2")->setFocus();
    EXPECT_EQ(tabWalk(form.get(), 8),
              (std::vector<QString>{"Text2", "Text3", "Text4", "Bild1", "Text6", "Command2",
                                    "Command1", "Text1_0", "Text2"}));
}

TEST_F(Keyboard, InParagraphModeTabReachesTheParagraphBoxAndLeavesIt) {
    activate(form.get());
    check1()->click();
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Text1_1"));
    EXPECT_EQ(tabWalk(form.get(), 2), (std::vector<QString>{"Text1_1", "Text2", "Text3"}));
}

TEST_F(Keyboard, AnimationWindowTabOrder) {
    activate(form.get());
    form->setMessageText(std::string(30, 'q'));
    Form4 form4(*form, form.get());
    activate(&form4);
    EXPECT_EQ(tabWalk(&form4, 6),
              (std::vector<QString>{"Command1", "Command2", "Bilder", "Command3", "Command4",
                                    "aktuellesBild", "Command1"}));
}

// Alt + the underlined letter opens a menu; the underlined letter of an item chooses it.
struct AccessKey {
    const char* name;
    Qt::Key menuKey;
    Qt::Key itemKey; // Qt::Key_unknown: the entry has no submenu
    QString itemText;
    const char* action;
};

class MenuAccessKeys : public MainWindowTest, public ::testing::WithParamInterface<AccessKey> {};

TEST_P(MenuAccessKeys, ChooseTheirItem) {
    const AccessKey& key = GetParam();
    activate(form.get());
    // Cut off from its handler, so that no dialog opens and the window stays.
    auto* action = child<QAction>(key.action);
    QObject::disconnect(action, nullptr, form.get(), nullptr);
    QSignalSpy triggered(action, &QAction::triggered);

    QTest::keyClick(form.get(), key.menuKey, Qt::AltModifier);
    if (key.itemKey != Qt::Key_unknown) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "Alt + the access key opens no menu";
        EXPECT_TRUE(menu->actions().contains(action));
        // The key with its text, as a German keyboard layout gives it: Qt matches by text.
        QTest::sendKeyEvent(QTest::Click, menu, key.itemKey, key.itemText, Qt::NoModifier);
    }
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Form1, MenuAccessKeys,
    ::testing::Values(AccessKey{"ZeichensatzLaden", Qt::Key_D, Qt::Key_Z, "z", "Zeichensatz"},
                      AccessKey{"Beenden", Qt::Key_D, Qt::Key_B, "b", "Beenden"},
                      AccessKey{"Oeffnen", Qt::Key_T, Qt::Key_Odiaeresis, QStringLiteral("ö"),
                                "Öffnen"},
                      AccessKey{"Speichern", Qt::Key_T, Qt::Key_S, "s", "Speichern"},
                      AccessKey{"Annimieren", Qt::Key_T, Qt::Key_A, "a", "Annimieren"},
                      AccessKey{"Info", Qt::Key_I, Qt::Key_unknown, "", "Info"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every control that takes the focus, hidden ones included, tells a screen reader what it
// is: a name with at least one letter ("+" or "160" do not say it), and no two alike.
void expectAccessibleNames(QWidget* window, std::size_t expectedControls) {
    std::set<QString> names;
    std::size_t controls = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        ++controls;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(accessible, nullptr) << w->objectName().toStdString();
        // On Linux Qt names a combo box by its current entry and leaves what it is to a
        // label; elsewhere the property is its name.
        const QString name =
            qobject_cast<QComboBox*>(w) ? w->accessibleName() : accessible->text(QAccessible::Name);
        EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }))
            << w->objectName().toStdString() << ": '" << name.toStdString() << "'";
        EXPECT_TRUE(names.insert(name).second)
            << w->objectName().toStdString() << ": '" << name.toStdString() << "' twice";
    }
    EXPECT_EQ(controls, expectedControls) << window->objectName().toStdString();
}

using AccessibleNames = MainWindowTest;

TEST_F(AccessibleNames, MainWindow) {
    expectAccessibleNames(form.get(), 10);
    EXPECT_EQ(child<QLineEdit>("Text1_0")->accessibleName(), QStringLiteral("Nachricht"));
    EXPECT_EQ(form->Bild1().accessibleName(), QStringLiteral("Handydisplay"));
}

TEST_F(AccessibleNames, AnimationWindow) {
    Form4 form4(*form, form.get());
    expectAccessibleNames(&form4, 6);
}

TEST_F(AccessibleNames, FileDialogs) {
    state.Dateiendung = ".n51";
    Form2 form2(state, boxes, "Hallo");
    expectAccessibleNames(&form2, 6);
    Form3 form3(state, boxes, [](const std::string&) {});
    expectAccessibleNames(&form3, 5);
    // The file list is named by its caption, which says what kind of file it lists.
    form3.setLabelCaption(QStringLiteral("Zeichensatz - Dateien:"));
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(form3.findChild<QWidget*>("File1"));
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Zeichensatz - Dateien"));
}

// --- German texts of Qt's own dialog, shown when the default phone is missing at start.

TEST(QtTexts, FileDialogForAnotherPhoneSpeaksGerman) {
    QTranslator qtTexts;
    ASSERT_TRUE(installGermanQtTexts(qtTexts))
        << "qtbase_de.qm missing: install qt6-translations-l10n";
    installFontSubstitutions();
    QTemporaryDir emptyDir;
    ASSERT_TRUE(emptyDir.isValid());
    Module1 state;
    ScriptedMessageBoxes boxes;
    Form1 form(state, boxes, emptyDir.path().toStdString());

    QStringList buttons;
    QString title;
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &form, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        seen = true;
        title = dialog->windowTitle();
        for (const QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->isVisible())
                buttons << b->text();
        dialog->reject();
    });
    poll.start(10);
    // The default phone is neither in the working directory nor in the data folder.
    EXPECT_FALSE(form.Form_Load()) << "cancelling the choice ends the start";
    ASSERT_TRUE(seen) << "no file dialog was shown";
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(title, QStringLiteral("Zeichensatz laden"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("Abbrechen"))) << buttons.join('|').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("&Öffnen"))) << buttons.join('|').toStdString();
    EXPECT_FALSE(buttons.contains(QStringLiteral("Cancel")));
}

} // namespace
} // namespace smssim::test
