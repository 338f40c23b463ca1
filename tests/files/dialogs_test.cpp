// The save and open dialogs, driven as a person would: names typed and clicked, the
// question answered, folders changed, saves that fail.

#include "dialog_paths.h"
#include "directory_list.h"
#include "double_click.h"
#include "drive_list.h"
#include "failing_calls.h"
#include "file_list.h"
#include "fonts.h"
#include "form2.h"
#include "form3.h"
#include "message_file.h"
#include "scripted_message_boxes.h"
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace smssim;
using smssim::test::doubleClick;
using smssim::test::FailingCalls;
using smssim::test::ScriptedMessageBoxes;
using Answer = MessageBoxes::Answer;
using Box = MessageBoxes;

namespace {

QByteArray slurp(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void spit(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QByteArray fileBytes(std::string_view text) {
    return QByteArray::fromStdString(messageFileBytes(text));
}

template <typename T> T* control(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QPoint centreOf(FileList* list, const QString& name) {
    for (int i = 0; i < list->ListCount(); ++i)
        if (list->List(i) == name)
            return list->visualItemRect(list->item(i)).center();
    ADD_FAILURE() << "no file " << name.toStdString();
    return {};
}

void select(FileList* list, const QString& name) {
    for (int i = 0; i < list->ListCount(); ++i)
        if (list->List(i) == name)
            return list->setListIndex(i);
    ADD_FAILURE() << "no file " << name.toStdString();
}

TEST(DialogPaths, SaveAppendsTheExtensionUnlessTheLastFourCharactersAreItOpenAddsNoSlash) {
    EXPECT_EQ(saveDialogName("/d", " a/b .n51", ".n51"), "/d/ a/b .n51");
    EXPECT_EQ(saveDialogName("/d", "x.sms1", ".sms1"), "/d/x.sms1.sms1");
    EXPECT_EQ(saveDialogName("/d", "x.ab", ".ab"), "/d/x.ab.ab");
    EXPECT_EQ(openDialogPath("/", "a.n51"), "/a.n51");
    EXPECT_EQ(openDialogPath("/d", "a.n51"), "/d/a.n51");
}

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = QString::fromStdString(std::filesystem::canonical(tmp.path()).string());
        dir = root + "/Daten";
        for (const char* sub : {"Daten/Unterordner", "Daten/Ordner.n51", "Anderer"})
            ASSERT_TRUE(QDir(root).mkpath(sub));
        spit(dir + "/alt.n51", messageFileBytes("alter Text"));
        spit(dir + "/b.n51", messageFileBytes("Zweite"));
        spit(dir + "/c.N51", messageFileBytes("Dritte\r\nZeile"));
        spit(dir + "/kaputt.n51", "72\r\nabc\r\n");
        spit(dir + "/notiz.txt", "");
        state.Telefonname = "Nokia 5110";
        state.Dateiendung = ".n51";
        state.SpeichernPfad = dir.toStdString();
    }

    void expectAsked(std::size_t i, const QString& text, const QString& caption,
                     Box::Buttons buttons, Box::Icon icon) {
        ASSERT_GT(boxes.asked.size(), i);
        EXPECT_EQ(boxes.asked[i].text.toStdString(), text.toStdString());
        EXPECT_EQ(boxes.asked[i].caption, caption);
        EXPECT_EQ(boxes.asked[i].buttons, buttons);
        EXPECT_EQ(boxes.asked[i].icon, icon);
    }

    test::TempDir tmp;
    QString root, dir;
    Module1 state;
    ScriptedMessageBoxes boxes;
};

std::vector<QString> tabChain(QWidget* first, int n) {
    std::vector<QString> out;
    for (QWidget* w = first; static_cast<int>(out.size()) < n; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            out.push_back(w->objectName());
    return out;
}

// Whether `label` shows all of its text: given twice its height (and width, unless it
// wraps), it draws nothing outside its own rectangle.
bool showsWholeText(QLabel& label) {
    const QRect own = label.rect();
    label.resize(own.width() * (label.wordWrap() ? 1 : 2), own.height() * 2);
    const QImage drawn = label.grab().toImage();
    label.resize(own.size());
    const QRgb background = drawn.pixel(drawn.rect().bottomRight());
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != background && !own.contains(x, y))
                return false;
    return true;
}

// Every control inside the dialog, none on top of another, every caption whole.
void expectTidy(QDialog& dialog, const char* title, const char* first, const char* defaultButton,
                const std::vector<QString>& tabs) {
    EXPECT_EQ(dialog.windowTitle(), title);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed size";
    const auto children = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* a : children) {
        EXPECT_TRUE(dialog.rect().contains(a->geometry())) << a->objectName().toStdString();
        for (QWidget* b : children)
            EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " on " << b->objectName().toStdString();
    }
    for (QLabel* label : dialog.findChildren<QLabel*>())
        EXPECT_TRUE(showsWholeText(*label)) << label->text().toStdString();
    EXPECT_TRUE(control<QPushButton>(dialog, defaultButton)->isDefault());
    EXPECT_EQ(tabChain(control<QWidget>(dialog, first), static_cast<int>(tabs.size())), tabs);
}

// With the longest phone name a definition may reasonably have (20 characters).
TEST_F(DialogTest, BothDialogsAreTidyAndTakeTheirTextsFromThePhone) {
    installFontSubstitutions();
    state.Telefonname = "Kommunikator 9000 XL";
    state.Dateiendung = ".c25";
    spit(dir + "/x.C25", "");
    Form2 save(state, boxes, "Hallo");
    EXPECT_EQ(save.objectName(), "Form2");
    expectTidy(save, "Speichern unter..", "Command1", "Command1",
               {"Command1", "Text1", "Platte", "Command2", "Verzeichnis", "File1"});
    EXPECT_EQ(control<QLabel>(save, "Label2")->text(),
              "Bestehende Kommunikator 9000 XL - Textdateien:");
    EXPECT_EQ(control<QLabel>(save, "Label1")->text(), "Neue Datei:");
    EXPECT_EQ(control<FileList>(save, "File1")->Pattern(), "*.c25");
    EXPECT_EQ(control<FileList>(save, "File1")->List(0), "x.C25");

    Form3 open(state, boxes, [](const std::string&) {});
    open.setLabelCaption("Bestehende Kommunikator 9000 XL - Textdateien:");
    expectTidy(open, "Öffnen", "Verzeichnis", "Command1",
               {"Verzeichnis", "File1", "Command1", "Command2", "Platte"});
    EXPECT_EQ(control<QPushButton>(open, "Command2")->text(), "&Abbrechen");
    EXPECT_EQ(control<FileList>(open, "File1")->Pattern(), "*.txt");
    open.setPattern("*.bsd");
    open.setLabelCaption("Zeichensatz - Dateien:");
    EXPECT_EQ(control<FileList>(open, "File1")->Pattern(), "*.bsd");
    EXPECT_EQ(control<QLabel>(open, "Label1")->text(), "Zeichensatz - Dateien:");
}

TEST_F(DialogTest, SaveAsksWithTheFullNameThenWritesTheMessage) {
    const std::tuple<QString, QString, std::string> cases[] = {
        {"Gruss", "Gruss.n51", "Hallo"},
        {"Gruss.N51", "Gruss.N51.n51", "Hallo"},
        {"Unterordner/G", "Unterordner/G.n51", "Hallo"},
        {"leer", "leer.n51", ""}};
    for (const auto& [typed, written, message] : cases) {
        boxes.asked.clear();
        Form2 form(state, boxes, message);
        control<QLineEdit>(form, "Text1")->setText(typed);
        control<QPushButton>(form, "Command1")->click();
        expectAsked(0, "In Datei " + dir + "/" + written + " speichern?", "Dateiname",
                    Box::Buttons::OkCancel, Box::Icon::Question);
        EXPECT_EQ(slurp(dir + "/" + written), fileBytes(message));
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    state.SpeichernPfad = "/";
    Form2 form(state, boxes, "Hallo");
    control<QLineEdit>(form, "Text1")->setText("Gruss");
    boxes.answers = {Answer::Cancel};
    control<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(boxes.asked.back().text, "In Datei //Gruss.n51 speichern?");
}

TEST_F(DialogTest, SaveWithoutANameOrWithTheQuestionCancelledKeepsTheDialogOpen) {
    Form2 form(state, boxes, "Hallo");
    form.show();
    control<QPushButton>(form, "Command1")->click();
    expectAsked(0, "Dateinamen eingeben!", "Achtung", Box::Buttons::Ok, Box::Icon::Exclamation);
    auto* name = control<QLineEdit>(form, "Text1");
    name->setText("Gruss");
    boxes.answers = {Answer::Cancel};
    control<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(boxes.asked.size(), 2u);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(name->text(), "Gruss");

    state.Dateiname = "vorher";
    control<QPushButton>(form, "Command2")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(state.Dateiname, "");
    EXPECT_FALSE(QFile::exists(dir + "/Gruss.n51"));
}

TEST_F(DialogTest, AClickOnAFileNamesItAndADoubleClickSavesOverIt) {
    Form2 form(state, boxes, "neu");
    form.show();
    auto* files = control<FileList>(form, "File1");
    EXPECT_EQ(files->ListCount(), 4) << "alt, b, c.N51 and kaputt; no notiz.txt, no folder";
    select(files, "alt.n51");
    EXPECT_EQ(control<QLineEdit>(form, "Text1")->text(), "alt.n51");
    boxes.answers = {Answer::Cancel};
    control<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(boxes.asked[0].text, "In Datei " + dir + "/alt.n51 speichern?");
    EXPECT_EQ(slurp(dir + "/alt.n51"), fileBytes("alter Text"));

    doubleClick(files->viewport(), centreOf(files, "b.n51"));
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(boxes.asked[1].text, "In Datei " + dir + "/b.n51 speichern?");
    EXPECT_EQ(slurp(dir + "/b.n51"), fileBytes("neu"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(DialogTest, ARefusedSaveSaysWhyNamingTheFileKeepsTheDialogAndChangesNothing) {
    // Only the file protects itself: the folders are open to everyone.
    ASSERT_TRUE(QFile::setPermissions(root, QFileDevice::Permissions(0x7777)));
    ASSERT_TRUE(QFile::setPermissions(dir, QFileDevice::Permissions(0x7777)));
    ASSERT_TRUE(QFile::setPermissions(
        dir + "/b.n51", QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    using Step = FailingCalls::Step;
    constexpr auto none = Step::None;
    const std::tuple<QString, QString, const char*, Step, int> cases[] = {
        {"b", "b.n51", "Keine Berechtigung", none, 0},
        {"alt", "alt.n51", "Auf dem Datenträger ist kein Platz mehr", Step::Write, ENOSPC},
        {"alt", "alt.n51", "Die Datei ist in Benutzung", Step::Rename, EBUSY},
        {"a/b", "a/b.n51", "Die Datei oder ihr Ordner wurde nicht gefunden", none, 0},
        {"alt.n51/b", "alt.n51/b.n51", "Ein Teil des Pfades ist kein Ordner", none, 0},
        {"Ordner", "Ordner.n51", "Das ist ein Ordner, keine Datei", none, 0},
        {"Gruss", "Gruss.n51", "Die Datei oder ihr Ordner wurde nicht gefunden", none, 0}};
    for (const auto& [typed, target, reason, step, error] : cases) {
        Form2 form(state, boxes, "ein neuer, langer Text");
        FailingCalls failing(step, error);
        form.setFileSystemCalls(failing);
        form.show();
        if (typed == "Gruss") {
            ASSERT_TRUE(QDir(dir).removeRecursively())
                << "the folder goes while the dialog is open";
        }
        const auto before = tmp.contents();
        auto* name = control<QLineEdit>(form, "Text1");
        name->setText(typed);
        boxes.asked.clear();
        // As root (in CI) permissions stop nothing: save b.n51 as an ordinary user.
        const bool asUser = ::geteuid() == 0 && typed == "b";
        ASSERT_TRUE(!asUser || ::setresuid(65534, 65534, 0) == 0);
        control<QPushButton>(form, "Command1")->click();
        ASSERT_TRUE(!asUser || ::setresuid(0, 0, 0) == 0);

        const QString full = dir + "/" + target;
        EXPECT_EQ(boxes.asked.size(), 2u);
        EXPECT_EQ(boxes.asked[0].text, "In Datei " + full + " speichern?");
        expectAsked(1,
                    "Die Datei „" + full + "“ kann nicht gespeichert werden.\n" +
                        QString::fromUtf8(reason) + ".",
                    "Achtung", Box::Buttons::Ok, Box::Icon::Exclamation);
        EXPECT_TRUE(form.isVisible());
        EXPECT_NE(form.result(), QDialog::Accepted);
        EXPECT_EQ(name->text(), typed);
        EXPECT_EQ(tmp.contents(), before) << "a file was changed, made or left behind";
    }
}

class OpenTest : public DialogTest {
  protected:
    std::vector<std::string> previews;
    std::function<void(const std::string&)> record = [this](const std::string& t) {
        previews.push_back(t);
    };
};

TEST_F(OpenTest, OkNeedsASelectedFileAndEnterPressesIt) {
    state.Dateiname = "vorher";
    Form3 form(state, boxes, record);
    form.setPattern("*.n51");
    form.show();
    control<QPushButton>(form, "Command1")->click();
    expectAsked(0, "Datei auswählen!", "Achtung", Box::Buttons::Ok, Box::Icon::Exclamation);
    EXPECT_EQ(state.Dateiname, "vorher");
    EXPECT_TRUE(form.isVisible());

    state.Dateiname.clear();
    select(control<FileList>(form, "File1"), "c.N51");
    EXPECT_EQ(state.Dateiname, "") << "a click leaves no result";
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(state.Dateiname, (dir + "/c.N51").toStdString());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(previews.empty()) << "no preview while Vorschau is False";
}

TEST_F(OpenTest, EachClickPreviewsAnUnreadableFileSaysWhyADoubleClickTakesTheFile) {
    state.Vorschau = true;
    Form3 form(state, boxes, record);
    form.setPattern("*.n51");
    form.show();
    auto* files = control<FileList>(form, "File1");
    for (const char* name : {"alt.n51", "c.N51", "kaputt.n51"})
        select(files, name);
    EXPECT_EQ(previews, (std::vector<std::string>{"alter Text", "Dritte\r\nZeile"}));
    expectAsked(0,
                "Die Datei „" + dir +
                    "/kaputt.n51“ kann nicht gelesen werden.\nZeile 2: „abc“ ist kein "
                    "Zeichencode.",
                "Achtung", Box::Buttons::Ok, Box::Icon::Exclamation);
    EXPECT_EQ(state.Dateiname, "");

    doubleClick(files->viewport(), centreOf(files, "b.n51"));
    EXPECT_EQ(previews.back(), "Zweite");
    EXPECT_EQ(state.Dateiname, (dir + "/b.n51").toStdString());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(OpenTest, FoldersAndDrivesAreRememberedAndFallBackOnTheOtherDialog) {
    const QString other = root + "/Anderer";
    {
        // Never used: the open dialog goes where the save dialog was.
        Form3 form(state, boxes, record);
        EXPECT_EQ(control<DirectoryList>(form, "Verzeichnis")->Path(), dir);
        EXPECT_EQ(control<FileList>(form, "File1")->Path(), dir);
        // The drive list moves the folder list and is remembered.
        auto* platte = control<DriveList>(form, "Platte");
        platte->follow(other);
        state.OeffnenLaufwerk.clear();
        emit platte->Change();
        EXPECT_EQ(control<FileList>(form, "File1")->Path(), other);
        EXPECT_EQ(state.OeffnenPfad, other.toStdString());
        EXPECT_EQ(state.OeffnenLaufwerk, platte->Drive().toStdString());
    }
    {
        Form3 form(state, boxes, record);
        EXPECT_EQ(control<DirectoryList>(form, "Verzeichnis")->Path(), other);
        // The save dialog keeps its own folder while it has one.
        Form2 save(state, boxes, "x");
        EXPECT_EQ(control<DirectoryList>(save, "Verzeichnis")->Path(), dir);
        auto* platte = control<DriveList>(save, "Platte");
        platte->follow(root);
        state.SpeichernPfad.clear();
        emit platte->Change();
        EXPECT_EQ(state.SpeichernPfad, root.toStdString());
    }
    state.SpeichernPfad.clear();
    state.SpeichernLaufwerk.clear();
    Form2 form(state, boxes, "x");
    auto* folders = control<DirectoryList>(form, "Verzeichnis");
    EXPECT_EQ(folders->Path(), other);
    EXPECT_EQ(state.SpeichernPfad, other.toStdString());
    form.show();
    doubleClick(folders->viewport(), folders->visualItemRect(folders->item(0)).center());
    EXPECT_EQ(state.SpeichernPfad, "/");
    EXPECT_EQ(state.SpeichernLaufwerk, "/");
}

TEST_F(OpenTest, AMissingFolderOpensAtItsParentAndTheFirstUseInTheCurrentDirectory) {
    state.OeffnenPfad = (root + "/Anderer/weg/tiefer").toStdString();
    {
        Form3 form(state, boxes, record);
        EXPECT_EQ(control<DirectoryList>(form, "Verzeichnis")->Path(), root + "/Anderer");
        EXPECT_EQ(state.OeffnenPfad, (root + "/Anderer").toStdString());
    }
    state.OeffnenPfad.clear();
    state.SpeichernPfad.clear();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir));
    Form3 form(state, boxes, record);
    form.setPattern("*.n51");
    QDir::setCurrent(before);
    EXPECT_EQ(control<FileList>(form, "File1")->List(0), "alt.n51");
    EXPECT_EQ(state.OeffnenPfad, "") << "nothing changed, nothing remembered";
}

} // namespace
