// The save and open dialogs, driven as a person would: names typed and clicked, the
// question answered, folders changed, saves that fail; their drive and folder lists; and
// the main window's file commands through them: what the dialog gives reaches the
// message, the phone or the file, and cancel restores.

#include "dialog_paths.h"
#include "directory_list.h"
#include "drive_list.h"
#include "failing_calls.h"
#include "form2.h"
#include "form3.h"
#include "gui_support.h"
#include "message_file.h"
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace smssim::test {
namespace {

using Answer = MessageBoxes::Answer;
using Box = MessageBoxes;

TEST(DialogPaths, SaveAppendsTheExtensionUnlessTheLastFourCharactersAreItOpenAddsNoSlash) {
    EXPECT_EQ(saveDialogName("/d", " a/b .n51", ".n51"), "/d/ a/b .n51");
    EXPECT_EQ(saveDialogName("/d", "x.sms1", ".sms1"), "/d/x.sms1.sms1");
    EXPECT_EQ(saveDialogName("/d", "x.ab", ".ab"), "/d/x.ab.ab");
    EXPECT_EQ(saveDialogName("/d", "x.N51", ".n51"), "/d/x.N51.n51") << "exact, not by case";
    EXPECT_EQ(saveDialogName("/", "Gruss", ".n51"), "//Gruss.n51");
    EXPECT_EQ(openDialogPath("/", "a.n51"), "/a.n51");
    EXPECT_EQ(openDialogPath("/d", "a.n51"), "/d/a.n51");
}

VolumeInfo vol(const char* root, const char* type = "ext4", bool ready = true, bool dir = true) {
    return {QString::fromUtf8(root), type, true, ready, dir};
}

TEST(DriveList, OffersTheVolumesAPersonBrowsesRootFirst) {
    const std::tuple<std::vector<VolumeInfo>, QString, QStringList> cases[] = {
        {{vol("/media/usb", "vfat"), vol("/", "overlay")}, "/", {"/", "/media/usb"}},
        {{}, "/", {"/"}},
        {{vol("/", "ext4"), vol("/proc", "proc"), vol("/dev/shm", "tmpfs"),
          vol("/media/ram", "tmpfs"), vol("/boot/efi", "vfat"), vol("/mnt/data")},
         "/",
         {"/", "/mnt/data"}},
        {{vol("/home", "tmpfs"), vol("/srv")}, "/home", {"/", "/home"}},
        {{vol("/media/cd", "iso9660", false), vol("/mnt/hosts", "ext4", true, false),
          vol("/run/media/anna/STICK", "exfat")},
         "/",
         {"/", "/run/media/anna/STICK"}},
        {{vol("/mnt/b"), vol("/media/z"), vol("/mnt/b"), vol("/media/a")},
         "/",
         {"/", "/media/a", "/media/z", "/mnt/b"}}};
    for (const auto& [mounted, home, expected] : cases)
        EXPECT_EQ(browsableVolumes(mounted, home), expected) << expected.join(" ").toStdString();

    const QStringList volumes = {"/", "/media/usb", "/media/usb/inner"};
    EXPECT_EQ(volumeOf(volumes, "/media/usb/a/b"), "/media/usb");
    EXPECT_EQ(volumeOf(volumes, "/media/usb/inner/x"), "/media/usb/inner");
    EXPECT_EQ(volumeOf(volumes, "/media/usb2/x"), "/");
}

TEST(DriveList, EachVolumeRemembersItsDirectoryAsLongAsTheProgramRuns) {
    DriveList::Directories shared;
    DriveList drives({"/", "/media/usb"}, nullptr, &shared);
    QSignalSpy change(&drives, &DriveList::Change);
    ASSERT_EQ(drives.Drive(), "/");
    EXPECT_EQ(drives.currentDirectory(), QDir::currentPath());

    drives.setDrive("/media/usb");
    drives.setDrive("/media/usb/Bilder");
    EXPECT_EQ(change.count(), 1) << "the same volume is no change";
    EXPECT_EQ(drives.currentDirectory(), "/media/usb");

    drives.follow("/media/usb/Bilder");
    drives.follow("/home/anna/x");
    EXPECT_EQ(change.count(), 1) << "following the directory list is silent";
    EXPECT_EQ(drives.Drive() + ' ' + drives.currentDirectory(), "/ /home/anna/x");

    DriveList later({"/", "/media/usb"}, nullptr, &shared);
    later.setDrive("/media/usb");
    EXPECT_EQ(later.currentDirectory(), "/media/usb/Bilder");
    DriveList own({"/", "/media/usb"}, nullptr);
    own.setDrive("/media/usb");
    EXPECT_EQ(own.currentDirectory(), "/media/usb") << "a list of its own starts afresh";
}

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = QString::fromStdString(std::filesystem::canonical(tmp.path()).string());
        dir = root + "/Daten";
        for (const char* sub : {"Daten/Unterordner", "Daten/Ordner.n51", "Daten/alpha",
                                "Daten/.versteckt", "Anderer"})
            ASSERT_TRUE(QDir(root).mkpath(sub));
        writeFile(dir + "/alt.n51", messageFileBytes("alter Text"));
        writeFile(dir + "/b.n51", messageFileBytes("Zweite"));
        writeFile(dir + "/c.N51", messageFileBytes("Dritte\r\nZeile"));
        writeFile(dir + "/kaputt.n51", "72\r\nabc\r\n");
        writeFile(dir + "/notiz.txt", "");
        state.Telefonname = "Nokia 5110";
        state.Dateiendung = ".n51";
        state.SpeichernPfad = dir.toStdString();
    }

    // Box `i` warns: `text` under "Achtung", with OK and an exclamation mark.
    void expectWarning(std::size_t i, const QString& text) {
        ASSERT_GT(boxes.asked.size(), i);
        const AskedBox& box = boxes.asked[i];
        EXPECT_EQ(
            std::tuple(box.text.toStdString(), box.caption, box.buttons, box.icon),
            std::tuple(text.toStdString(), "Achtung", Box::Buttons::Ok, Box::Icon::Exclamation));
    }

    TempDir tmp;
    QString root, dir;
    Module1 state;
    ScriptedMessageBoxes boxes;
    std::function<void(const std::string&)> noPreview = [](const std::string& t) {
        ADD_FAILURE() << "a preview while Vorschau is False: " << t;
    };
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
    EXPECT_TRUE(child<QPushButton>(dialog, defaultButton)->isDefault());
    EXPECT_EQ(tabChain(child<QWidget>(dialog, first), static_cast<int>(tabs.size())), tabs);
}

// With the longest phone name a definition may reasonably have (20 characters).
TEST_F(DialogTest, BothDialogsAreTidyAndTakeTheirTextsFromThePhone) {
    installFontSubstitutions();
    state.Telefonname = "Kommunikator 9000 XL";
    state.Dateiendung = ".c25";
    writeFile(dir + "/x.C25", "");
    Form2 save(state, boxes, "Hallo");
    expectTidy(save, "Speichern unter..", "Command1", "Command1",
               {"Command1", "Text1", "Platte", "Command2", "Verzeichnis", "File1"});
    EXPECT_EQ(child<QLabel>(save, "Label2")->text(),
              "Bestehende Kommunikator 9000 XL - Textdateien:");
    EXPECT_EQ(child<QLabel>(save, "Label1")->text(), "Neue Datei:");
    EXPECT_EQ(child<FileList>(save, "File1")->Pattern() + ' ' +
                  child<FileList>(save, "File1")->List(0),
              "*.c25 x.C25");

    Form3 open(state, boxes, [](const std::string&) {});
    open.setLabelCaption("Bestehende Kommunikator 9000 XL - Textdateien:");
    expectTidy(open, "Öffnen", "Verzeichnis", "Command1",
               {"Verzeichnis", "File1", "Command1", "Command2", "Platte"});
    EXPECT_EQ(child<QPushButton>(open, "Command2")->text(), "&Abbrechen");
    EXPECT_EQ(child<FileList>(open, "File1")->Pattern(), "*.txt") << "until a command sets it";
}

// Without a name it asks for one; a click names a file, a cancelled question keeps the
// dialog open and the file as it was, a double click saves over it. (Abbrechen is the
// open dialog's, with the file commands.)
TEST_F(DialogTest, SaveNeedsANameAClickNamesAFileADoubleClickSavesOverIt) {
    Form2 form(state, boxes, "neu");
    form.show();
    press(form, "Command1");
    expectWarning(0, "Dateinamen eingeben!");
    auto* files = child<FileList>(form, "File1");
    EXPECT_EQ(files->ListCount(), 4) << "alt, b, c.N51 and kaputt; no notiz.txt, no folder";
    select(files, "alt.n51");
    EXPECT_EQ(child<QLineEdit>(form, "Text1")->text(), "alt.n51");
    boxes.answers = {Answer::Cancel};
    press(form, "Command1");
    EXPECT_EQ(boxes.asked.at(1).text, "In Datei " + dir + "/alt.n51 speichern?");
    EXPECT_EQ(std::pair(form.isVisible(), child<QLineEdit>(form, "Text1")->text()),
              std::pair(true, QString("alt.n51")));
    EXPECT_EQ(bytesOf((dir + "/alt.n51").toStdString()), messageFileBytes("alter Text"));

    doubleClick(files->viewport(),
                files->visualItemRect(files->item(rowOf(files, "b.n51"))).center());
    ASSERT_EQ(boxes.asked.size(), 3u);
    EXPECT_EQ(boxes.asked[2].text, "In Datei " + dir + "/b.n51 speichern?");
    EXPECT_EQ(bytesOf((dir + "/b.n51").toStdString()), messageFileBytes("neu"));
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
        {"alt", "alt.n51", "Ein-/Ausgabefehler beim Zugriff auf den Datenträger", Step::Fsync, EIO},
        {"alt", "alt.n51", "Das Speicherkontingent ist erschöpft", Step::Close, EDQUOT},
        {"alt", "alt.n51", "Ein-/Ausgabefehler beim Zugriff auf den Datenträger",
         Step::WriteNothing, 0},
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
        auto* name = child<QLineEdit>(form, "Text1");
        name->setText(typed);
        boxes.asked.clear();
        // As root (in CI) permissions stop nothing: save b.n51 as an ordinary user.
        const bool asUser = ::geteuid() == 0 && typed == "b";
        ASSERT_TRUE(!asUser || ::setresuid(65534, 65534, 0) == 0);
        press(form, "Command1");
        ASSERT_TRUE(!asUser || ::setresuid(0, 0, 0) == 0);

        const QString full = dir + "/" + target;
        ASSERT_EQ(boxes.asked.size(), 2u);
        EXPECT_EQ(boxes.asked[0].text, "In Datei " + full + " speichern?");
        expectWarning(1, "Die Datei „" + full + "“ kann nicht gespeichert werden.\n" +
                             QString::fromUtf8(reason) + ".");
        EXPECT_EQ(std::tuple(form.isVisible(), form.result(), name->text()),
                  std::tuple(true, int(QDialog::Rejected), typed));
        EXPECT_EQ(tmp.contents(), before) << "a file was changed, made or left behind";
        if (step == Step::Write) {
            EXPECT_TRUE(failing.opened.starts_with((dir + "/.alt.n51.tmp-").toStdString()))
                << "written as a hidden file beside it: " << failing.opened;
        }
    }
}

TEST_F(DialogTest, OkNeedsASelectedFileAndEnterPressesIt) {
    state.Dateiname = "vorher";
    Form3 form(state, boxes, noPreview);
    form.setPattern("*.n51");
    form.show();
    press(form, "Command1");
    expectWarning(0, "Datei auswählen!");
    EXPECT_EQ(std::pair(state.Dateiname, form.isVisible()), std::pair(std::string("vorher"), true));

    state.Dateiname.clear();
    select(child<FileList>(form, "File1"), "c.N51");
    EXPECT_EQ(state.Dateiname, "") << "a click leaves no result";
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(std::pair(state.Dateiname, form.result()),
              std::pair((dir + "/c.N51").toStdString(), int(QDialog::Accepted)));
}

// Each dialog opens where it was left, else where the other one was, a folder that has
// gone at its nearest parent; the folder and the drive moved to are remembered.
TEST_F(DialogTest, OpensWhereItWasLeftAndRemembersFolderAndDrive) {
    const QString other = root + "/Anderer";
    state.OeffnenPfad = (other + "/weg/tiefer").toStdString();
    {
        Form3 form(state, boxes, noPreview);
        EXPECT_EQ(child<FileList>(form, "File1")->Path(), other);
        EXPECT_EQ(state.OeffnenPfad, other.toStdString());
        auto* platte = child<DriveList>(form, "Platte");
        platte->follow(root);
        emit platte->Change();
        EXPECT_EQ(std::tie(state.OeffnenPfad, state.OeffnenLaufwerk),
                  std::tuple(root.toStdString(), platte->Drive().toStdString()));
    }
    state.SpeichernPfad.clear();
    Form2 save(state, boxes, "x");
    auto* folders = child<DirectoryList>(save, "Verzeichnis");
    EXPECT_EQ(std::tuple(folders->Path(), state.SpeichernPfad),
              std::tuple(root, root.toStdString()));
    save.show();
    doubleClick(folders->viewport(), folders->visualItemRect(folders->item(0)).center());
    EXPECT_EQ(std::tie(state.SpeichernPfad, state.SpeichernLaufwerk), std::tuple("/", "/"));

    // The first use of both, in the current directory: nothing moved, nothing remembered.
    state.OeffnenPfad.clear();
    state.SpeichernPfad.clear();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir));
    Form3 form(state, boxes, noPreview);
    form.setPattern("*.n51");
    QDir::setCurrent(before);
    EXPECT_EQ(std::tuple(child<FileList>(form, "File1")->List(0), state.OeffnenPfad),
              std::tuple(QString("alt.n51"), std::string()));
}

TEST_F(DialogTest, DirectoryListShowsAncestorsThenSubdirectoriesAndOpensEntries) {
    DirectoryList list;
    list.resize(300, 600);
    list.show();
    QStringList seen;
    QObject::connect(&list, &DirectoryList::Change, &list, [&] { seen << list.Path(); });
    list.setPath(dir + "/");
    ASSERT_EQ(seen, QStringList{dir}) << "raised before returning, without a trailing slash";
    QStringList expected = {"/"};
    expected += dir.split('/', Qt::SkipEmptyParts);
    const int open = static_cast<int>(expected.size()) - 1;
    expected += QStringList{"alpha", "Ordner.n51", "Unterordner"}; // no .versteckt
    QStringList shown;
    for (int i = 0; i < list.count(); ++i)
        shown << list.item(i)->text();
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(std::tuple(list.currentRow(), list.entryPath(open + 1)),
              std::tuple(open, dir + "/alpha"));
    list.setPath(dir + "/alpha/../");
    EXPECT_EQ(seen.size(), 1) << "the same directory is no change";

    doubleClick(list.viewport(), list.visualItemRect(list.item(open + 2)).center());
    EXPECT_EQ(list.Path(), dir + "/Ordner.n51");
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.Path(), "/");
    list.setPath(dir + "/alt.n51");
    EXPECT_EQ(list.Path(), dir) << "a file is no directory: its folder opens";
}

class FileCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (const auto& [name, text] :
             {std::pair("eins", "Eins"), {"zwei", "Zwei"}, {"absatz", "A\r\nB"}, {"leer", ""}})
            writeFile(dir + "/" + name + ".gui", messageFileBytes(text));
        writeFile(dir + "/kaputt.gui", "72\r\nabc\r\n");
        state.OeffnenPfad = dir.toStdString();
    }

    void startAtPictureThree() {
        form->setMessageText("Vorher");
        form->setText6("3");
        state.Bildversatz = -24;
    }

    // Every file command ends on picture 1 of the message.
    void expectPictureOneOf(const std::string& text) {
        EXPECT_EQ(form->messageText(), text);
        EXPECT_EQ(std::pair(form->text6(), state.Bildversatz), std::pair(QString("1"), 0));
        EXPECT_EQ(bild1(), enginePicture(state, text));
    }

    QTemporaryDir tmp;
    const QString dir = QDir(tmp.path()).canonicalPath();
};

TEST_F(FileCommandsTest, OpenPreviewsEachClickedFileAndTakesTheChosenOne) {
    // The files clicked, then OK ('o', 'p' in the paragraph box), a double click on the last
    // one ('d') or cancel ('c'); what each click showed, and the message taken.
    const struct {
        std::vector<QString> clicked;
        char end;
        std::vector<std::string> previews;
        std::string result;
    } rows[] = {
        {{"eins.gui", "zwei.gui"}, 'c', {"Eins", "Zwei"}, "Vorher"},
        {{"eins.gui"}, 'o', {"Eins"}, "Eins"},
        {{"leer.gui"}, 'o', {""}, ""},
        {{"zwei.gui"}, 'd', {"Zwei"}, "Zwei"},
        {{"kaputt.gui"}, 'o', {"Vorher"}, "Vorher"}, // unreadable: said twice, text kept
        {{"absatz.gui"}, 'o', {"A\r\nB"}, "A\r\nB"}, // the single-line box keeps breaks
        {{"absatz.gui"}, 'p', {"A\r\nB"}, "A\r\nB"}, // OK in the paragraph box
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.clicked.back().toStdString() + " " + row.end);
        if (row.end == 'p')
            check1()->click();
        startAtPictureThree();
        boxes.asked.clear();
        std::vector<std::string> previews;
        whenModal<Form3>(form.get(), [&](Form3& dialog) {
            EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(),
                      "Bestehende GUI-Testhandy - Textdateien:");
            auto* files = child<FileList>(dialog, "File1");
            EXPECT_EQ(std::pair(files->Pattern(), state.Vorschau),
                      std::pair(QString("*.gui"), true));
            for (const QString& name : row.clicked) {
                select(files, name);
                previews.push_back(form->messageText());
            }
            if (row.end == 'd')
                emit files->itemDoubleClicked(files->currentItem());
            else
                press(dialog, row.end == 'c' ? "Command2" : "Command1");
        });
        child<QAction>("Öffnen")->trigger();
        EXPECT_EQ(previews, row.previews);
        expectPictureOneOf(row.result);
        EXPECT_EQ(form->Text1(row.end == 'p' ? 1 : 0).text(), row.result);
        EXPECT_EQ(std::pair(state.Vorschau, state.Dateiname), std::pair(false, std::string()));
        EXPECT_EQ(boxes.asked.size(), row.clicked.back() == "kaputt.gui" ? 2u : 0u);
        for (const auto& box : boxes.asked)
            EXPECT_TRUE(box.text.contains("kaputt.gui“ kann nicht gelesen werden")) << row.end;
        // Quitting asks only for a message that was not opened (answered Nein here).
        boxes.asked.clear();
        form->close();
        EXPECT_EQ(boxes.asked.size(), row.result == "Vorher" ? 1u : 0u);
        form->show();
    }
}

TEST_F(FileCommandsTest, LoadingAPhoneReturnsToPictureOne) {
    // Closed, refused, and taken: the folder, the file and then the phone in use.
    const std::tuple<std::string, const char*, const char*> rows[] = {
        {"", nullptr, "GUI-Testhandy"},
        {std::string(SMSSIM_TEST_DATA) + "/gui", "zero-picture-height.bsd", "GUI-Testhandy"},
        {kPhonesDir, "Nokia 5110.bsd", "Nokia 5110"}};
    state.Dateiname = kPhonesDir + "/Nokia 5110.bsd"; // stale: not to be loaded on close
    for (const auto& [folder, file, phone] : rows) {
        startAtPictureThree();
        whenModal<Form3>(form.get(), [&](Form3& dialog) {
            EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(), "Zeichensatz - Dateien:");
            EXPECT_EQ(child<FileList>(dialog, "File1")->Pattern(), "*.bsd");
            if (!file)
                return void(dialog.close());
            child<DirectoryList>(dialog, "Verzeichnis")->setPath(QString::fromStdString(folder));
            select(child<FileList>(dialog, "File1"), file);
            EXPECT_EQ(form->messageText(), "Vorher") << "no preview of phone definitions";
            press(dialog, "Command1");
        });
        child<QAction>("Zeichensatz")->trigger();
        EXPECT_EQ(state.Telefonname, phone);
        expectPictureOneOf("Vorher");
        EXPECT_EQ(boxes.asked.size(), file && phone[0] == 'G' ? 1u : 0u) << "refused: named";
        boxes.asked.clear();
    }
}

TEST_F(FileCommandsTest, SaveWritesTheCurrentMessage) {
    check1()->click();
    form->setMessageText("Hallo\r\nWelt");
    whenModal<Form2>(form.get(), [&](Form2& dialog) {
        child<QLineEdit>(dialog, "Text1")->setText("Gruss");
        press(dialog, "Command1");
    });
    child<QAction>("Speichern")->trigger();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "In Datei " + dir + "/Gruss.gui speichern?")
        << "never used, the save dialog opens where the open dialog was";
    EXPECT_EQ(NachrichtLesen((dir + "/Gruss.gui").toStdString()), "Hallo\r\nWelt");
    form->close();
    EXPECT_EQ(boxes.asked.size(), 1u) << "a saved message ends without a question";
}

} // namespace
} // namespace smssim::test
