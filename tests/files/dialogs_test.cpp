#include "dialog_paths.h"
#include "directory_list.h"
#include "drive_list.h"
#include "file_list.h"
#include "form2.h"
#include "form3.h"
#include "message_file.h"
#include "scripted_message_boxes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

using namespace smssim;
using smssim::test::ScriptedMessageBoxes;
using Answer = MessageBoxes::Answer;

namespace {

// A real double click: press and release, then the double-click event and release.
// QTest::mouseDClick alone sends no press, which item views need first.
void doubleClick(QWidget* viewport, QPoint at) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

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

int rowOf(FileList* list, const QString& name) {
    for (int i = 0; i < list->ListCount(); ++i)
        if (list->List(i) == name)
            return i;
    ADD_FAILURE() << "no file " << name.toStdString();
    return -1;
}

// ---- How the dialogs build full names ----

struct JoinCase {
    const char* name;
    QString directory, typed, extension, saveName;
};

class SaveName : public ::testing::TestWithParam<JoinCase> {};

TEST_P(SaveName, JoinsAndAppendsTheExtensionUnlessTheLastFourCharactersAreIt) {
    const auto& c = GetParam();
    EXPECT_EQ(saveDialogName(c.directory, c.typed, c.extension), c.saveName);
}

INSTANTIATE_TEST_SUITE_P(
    Form2, SaveName,
    ::testing::Values(
        JoinCase{"Plain", "/daten", "Gruss", ".n51", "/daten/Gruss.n51"},
        JoinCase{"HasExtension", "/daten", "Gruss.n51", ".n51", "/daten/Gruss.n51"},
        JoinCase{"OtherCase", "/daten", "Gruss.N51", ".n51", "/daten/Gruss.N51.n51"},
        JoinCase{"OtherExtension", "/daten", "Gruss.txt", ".n51", "/daten/Gruss.txt.n51"},
        JoinCase{"RootDoubleSlash", "/", "Gruss", ".n51", "//Gruss.n51"},
        JoinCase{"NameUnchanged", "/daten", " a/b ", ".n51", "/daten/ a/b .n51"},
        JoinCase{"LongExtensionAlwaysAppended", "/d", "x.sms1", ".sms1", "/d/x.sms1.sms1"},
        JoinCase{"ShortExtensionAlwaysAppended", "/d", "x.ab", ".ab", "/d/x.ab.ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Form3Path, NoSeparatorAfterTheRoot) {
    EXPECT_EQ(openDialogPath("/", "a.n51"), "/a.n51");
    EXPECT_EQ(openDialogPath("/daten", "a.n51"), "/daten/a.n51");
}

// ---- Dialog flows in a temporary folder ----

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = QDir(tmp.path()).canonicalPath();
        dir = root + "/Daten";
        ASSERT_TRUE(QDir(root).mkpath("Daten/Unterordner"));
        ASSERT_TRUE(QDir(root).mkpath("Anderer"));
        spit(dir + "/alt.n51", messageFileBytes("alter Text"));
        spit(dir + "/b.n51", messageFileBytes("Zweite"));
        spit(dir + "/c.N51", messageFileBytes("Dritte\r\nZeile"));
        spit(dir + "/kaputt.n51", "72\r\nabc\r\n");
        spit(dir + "/notiz.txt", "");
        state.Telefonname = "Nokia 5110";
        state.Dateiendung = ".n51";
        state.SpeichernPfad = dir.toStdString();
    }

    QTemporaryDir tmp;
    QString root, dir;
    Module1 state;
    ScriptedMessageBoxes boxes;
};

struct Expected {
    const char* name;
    QRect twips;
    QString text;
};

QString textOf(QWidget* w) {
    if (auto* b = qobject_cast<QPushButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    return {};
}

void expectLayout(QDialog& dialog, const std::vector<Expected>& table) {
    for (const auto& e : table) {
        auto* w = dialog.findChild<QWidget*>(QString::fromLatin1(e.name));
        ASSERT_NE(w, nullptr) << e.name;
        const QRect& t = e.twips;
        EXPECT_EQ(w->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15))
            << e.name;
        EXPECT_EQ(textOf(w), e.text) << e.name;
    }
}

std::vector<QString> tabChain(QWidget* first, int n) {
    std::vector<QString> out;
    for (QWidget* w = first; static_cast<int>(out.size()) < n; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            out.push_back(w->objectName());
    return out;
}

TEST_F(DialogTest, SaveDialogLayout) {
    Form2 form(state, boxes, "Hallo");
    EXPECT_EQ(form.windowTitle(), "Speichern unter..");
    EXPECT_EQ(form.size(), QSize(5775 / 15, 4155 / 15));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    expectLayout(form,
                 {{"Command1", {3960, 240, 1695, 495}, "OK"},
                  {"Text1", {1560, 3600, 4095, 375}, ""},
                  {"Platte", {3960, 1440, 1695, 315}, ""},
                  {"Command2", {3960, 840, 1695, 495}, "Abbrechen"},
                  {"Label1", {120, 3720, 1095, 255}, "Neue Datei:"},
                  {"Verzeichnis", {120, 120, 3615, 1665}, ""},
                  {"File1", {1560, 1920, 4095, 1455}, ""},
                  {"Label2", {240, 2280, 1215, 735}, "Bestehende Nokia 5110 - Textdateien:"}});
    EXPECT_TRUE(control<QPushButton>(form, "Command1")->isDefault());
    EXPECT_EQ(
        tabChain(control<QWidget>(form, "Command1"), 6),
        (std::vector<QString>{"Command1", "Text1", "Platte", "Command2", "Verzeichnis", "File1"}));
}

TEST_F(DialogTest, SaveDialogTakesLabelAndPatternFromThePhone) {
    state.Telefonname = "Siemens C25";
    state.Dateiendung = ".c25";
    spit(dir + "/x.C25", "");
    Form2 form(state, boxes, "Hallo");
    EXPECT_EQ(control<QLabel>(form, "Label2")->text(), "Bestehende Siemens C25 - Textdateien:");
    EXPECT_EQ(control<FileList>(form, "File1")->Pattern(), "*.c25");
    EXPECT_EQ(control<FileList>(form, "File1")->List(0), "x.C25");
}

TEST_F(DialogTest, OpenDialogLayout) {
    Form3 form(state, boxes, [](const std::string&) {});
    EXPECT_EQ(form.windowTitle(), "Öffnen");
    EXPECT_EQ(form.size(), QSize(5445 / 15, 4155 / 15));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    expectLayout(form, {{"Verzeichnis", {120, 120, 3375, 1215}, ""},
                        {"File1", {120, 1800, 3375, 2235}, ""},
                        {"Command1", {3720, 240, 1575, 495}, "&OK"},
                        {"Command2", {3720, 840, 1575, 495}, "&Abbrechen"},
                        {"Platte", {3720, 1800, 1575, 315}, ""},
                        {"Label1", {120, 1560, 3135, 255}, "Textdateien:"}});
    EXPECT_EQ(control<FileList>(form, "File1")->Pattern(), "*.txt");
    EXPECT_TRUE(control<QPushButton>(form, "Command1")->isDefault());
    EXPECT_EQ(tabChain(control<QWidget>(form, "Verzeichnis"), 5),
              (std::vector<QString>{"Verzeichnis", "File1", "Command1", "Command2", "Platte"}));
    form.setPattern("*.bsd");
    form.setLabelCaption("Zeichensatz - Dateien:");
    EXPECT_EQ(control<FileList>(form, "File1")->Pattern(), "*.bsd");
    EXPECT_EQ(control<QLabel>(form, "Label1")->text(), "Zeichensatz - Dateien:");
}

// ---- Save ----

struct SaveCase {
    const char* name;
    QString typed;
    QString written; // relative to the folder
};

class SaveFlow : public DialogTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveFlow, AsksWithTheFullNameAndWritesTheMessage) {
    Form2 form(state, boxes, "Hallo");
    control<QLineEdit>(form, "Text1")->setText(GetParam().typed);
    control<QPushButton>(form, "Command1")->click();

    ASSERT_EQ(boxes.asked.size(), 1u);
    const QString full = dir + "/" + GetParam().written;
    EXPECT_EQ(boxes.asked[0].text, "In Datei " + full + " speichern?");
    EXPECT_EQ(boxes.asked[0].caption, "Dateiname");
    EXPECT_EQ(boxes.asked[0].buttons, MessageBoxes::Buttons::OkCancel);
    EXPECT_EQ(boxes.asked[0].icon, MessageBoxes::Icon::Question);
    EXPECT_EQ(slurp(full), fileBytes("Hallo"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Form2, SaveFlow,
                         ::testing::Values(SaveCase{"WithoutExtension", "Gruss", "Gruss.n51"},
                                           SaveCase{"CaseDiffers", "Gruss.N51", "Gruss.N51.n51"},
                                           SaveCase{"IntoSubfolder", "Unterordner/G",
                                                    "Unterordner/G.n51"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, SaveAtTheRootJoinsWithTwoSlashes) {
    state.SpeichernPfad = "/";
    Form2 form(state, boxes, "Hallo");
    control<QLineEdit>(form, "Text1")->setText("Gruss");
    boxes.answers = {Answer::Cancel};
    control<QPushButton>(form, "Command1")->click();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "In Datei //Gruss.n51 speichern?");
}

TEST_F(DialogTest, CancelInTheQuestionKeepsTheDialogOpenWithTheName) {
    Form2 form(state, boxes, "Hallo");
    form.show();
    auto* name = control<QLineEdit>(form, "Text1");
    name->setText("Gruss");
    boxes.answers = {Answer::Cancel};
    control<QPushButton>(form, "Command1")->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(name->text(), "Gruss");
    EXPECT_FALSE(QFile::exists(dir + "/Gruss.n51"));

    state.Dateiname = "vorher";
    control<QPushButton>(form, "Command2")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(state.Dateiname, "");
    EXPECT_FALSE(QFile::exists(dir + "/Gruss.n51"));
}

TEST_F(DialogTest, EmptyNameAsksForOneAndNothingElse) {
    Form2 form(state, boxes, "Hallo");
    form.show();
    control<QPushButton>(form, "Command1")->click();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Dateinamen eingeben!");
    EXPECT_EQ(boxes.asked[0].caption, "Achtung");
    EXPECT_EQ(boxes.asked[0].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(boxes.asked[0].icon, MessageBoxes::Icon::Exclamation);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(DialogTest, ClickOnAnExistingFileThenOkOverwritesIt) {
    Form2 form(state, boxes, "neu");
    auto* files = control<FileList>(form, "File1");
    EXPECT_EQ(files->ListCount(), 4) << "alt, b, c.N51 and kaputt; no notiz.txt";
    files->setListIndex(rowOf(files, "alt.n51"));
    EXPECT_EQ(control<QLineEdit>(form, "Text1")->text(), "alt.n51");
    control<QPushButton>(form, "Command1")->click();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "In Datei " + dir + "/alt.n51 speichern?");
    EXPECT_EQ(slurp(dir + "/alt.n51"), fileBytes("neu"));
}

TEST_F(DialogTest, DoubleClickOnAFileSavesOverItAfterTheQuestion) {
    Form2 form(state, boxes, "neu");
    form.show();
    auto* files = control<FileList>(form, "File1");
    doubleClick(files->viewport(),
                files->visualItemRect(files->item(rowOf(files, "b.n51"))).center());
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "In Datei " + dir + "/b.n51 speichern?");
    EXPECT_EQ(slurp(dir + "/b.n51"), fileBytes("neu"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(DialogTest, EmptyMessageWritesAnEmptyFile) {
    Form2 form(state, boxes, "");
    control<QLineEdit>(form, "Text1")->setText("leer");
    control<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(slurp(dir + "/leer.n51"), QByteArray());
}

class FailHalfWay : public FileSystemCalls {
  public:
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (written_ > 0)
            return errno = ENOSPC, -1;
        written_ = std::min<std::size_t>(size, 4);
        return FileSystemCalls::write(fd, data, written_);
    }

  private:
    std::size_t written_ = 0;
};

TEST_F(DialogTest, FailedSaveSaysWhyKeepsTheDialogOpenAndTheOldFile) {
    Form2 form(state, boxes, "ein neuer, langer Text");
    FailHalfWay failing;
    form.setFileSystemCalls(failing);
    form.show();
    control<QLineEdit>(form, "Text1")->setText("alt");
    control<QPushButton>(form, "Command1")->click();
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(boxes.asked[1].text, "Die Datei „" + dir +
                                       "/alt.n51“ kann nicht gespeichert werden.\nAuf dem "
                                       "Datenträger ist kein Platz mehr.");
    EXPECT_EQ(boxes.asked[1].caption, "Achtung");
    EXPECT_EQ(boxes.asked[1].icon, MessageBoxes::Icon::Exclamation);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(slurp(dir + "/alt.n51"), fileBytes("alter Text"));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 5) << "no temporary file";
}

TEST_F(DialogTest, SaveOntoAFolderIsRefusedWithTheDialogOpen) {
    QDir(dir).mkdir("Ordner.n51");
    Form2 form(state, boxes, "Hallo");
    form.show();
    control<QLineEdit>(form, "Text1")->setText("Ordner");
    control<QPushButton>(form, "Command1")->click();
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_TRUE(boxes.asked[1].text.endsWith("Das ist ein Ordner, keine Datei."));
    EXPECT_TRUE(form.isVisible());
}

// ---- Refused saves: nothing on disk changes, the dialog stays open with the name ----

// Every file under `folder`, hidden ones included, with its bytes.
std::map<QString, QByteArray> filesUnder(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = slurp(path);
    }
    return files;
}

// Runs `save` as an ordinary user when the tests run as root (as in CI), where write
// permissions stop nothing. The real user changes too: the writer asks access(), which
// checks the real one. False: the user cannot be changed.
bool asOrdinaryUser(const std::function<void()>& save) {
    if (::geteuid() != 0) {
        save();
        return true;
    }
    constexpr uid_t kNobody = 65534;
    if (::setresuid(kNobody, kNobody, 0) != 0)
        return false;
    save();
    EXPECT_EQ(::setresuid(0, 0, 0), 0);
    return true;
}

// One system call of the save fails with `error`; all others are the real ones.
class FailingCall : public FileSystemCalls {
  public:
    enum class Call { None, Open, Fsync, Rename };
    FailingCall(Call call, int error) : call_(call), error_(error) {}

    int open(const char* path, int flags, mode_t mode) override {
        return call_ == Call::Open ? fail() : FileSystemCalls::open(path, flags, mode);
    }
    int fsync(int fd) override {
        return call_ == Call::Fsync ? fail() : FileSystemCalls::fsync(fd);
    }
    int rename(const char* from, const char* to) override {
        return call_ == Call::Rename ? fail() : FileSystemCalls::rename(from, to);
    }

  private:
    int fail() {
        errno = error_;
        return -1;
    }
    Call call_;
    int error_;
};

struct RefusedSaveCase {
    const char* name;
    QString typed;
    QString target; // relative to the folder Daten
    const char* reason;
    FailingCall::Call call = FailingCall::Call::None;
    int error = 0;
    bool readOnlyTarget = false; // alt.n51 without write permission, saved by a user
    bool folderRemoved = false;  // the shown folder disappears while the dialog is open
};

void PrintTo(const RefusedSaveCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedSave : public DialogTest, public ::testing::WithParamInterface<RefusedSaveCase> {};

TEST_P(RefusedSave, SaysWhyNamingTheFileAndChangesNothing) {
    const RefusedSaveCase& c = GetParam();
    if (c.readOnlyTarget) {
        // Only the file protects itself: the folders are open to everyone.
        ASSERT_TRUE(QFile::setPermissions(root, QFileDevice::Permissions(0x7777)));
        ASSERT_TRUE(QFile::setPermissions(dir, QFileDevice::Permissions(0x7777)));
        ASSERT_TRUE(QFile::setPermissions(dir + "/alt.n51", QFileDevice::ReadOwner |
                                                                QFileDevice::ReadGroup |
                                                                QFileDevice::ReadOther));
    }
    Form2 form(state, boxes, "ein neuer, langer Text");
    FailingCall failing(c.call, c.error);
    form.setFileSystemCalls(failing);
    form.show();
    if (c.folderRemoved) {
        ASSERT_TRUE(QDir(dir).removeRecursively());
    }
    const auto before = filesUnder(root);
    auto* name = control<QLineEdit>(form, "Text1");
    name->setText(c.typed);

    const auto save = [&] { control<QPushButton>(form, "Command1")->click(); };
    if (c.readOnlyTarget) {
        ASSERT_TRUE(asOrdinaryUser(save)) << "cannot act as an ordinary user";
    } else {
        save();
    }

    const QString full = dir + "/" + c.target;
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(boxes.asked[0].text, "In Datei " + full + " speichern?");
    EXPECT_EQ(boxes.asked[1].text, "Die Datei „" + full + "“ kann nicht gespeichert werden.\n" +
                                       QString::fromUtf8(c.reason) + ".");
    EXPECT_EQ(boxes.asked[1].caption, "Achtung");
    EXPECT_EQ(boxes.asked[1].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(boxes.asked[1].icon, MessageBoxes::Icon::Exclamation);
    EXPECT_TRUE(form.isVisible());
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_EQ(name->text(), c.typed);
    EXPECT_EQ(filesUnder(root), before) << "a file was changed, made or left behind";
    if (!c.folderRemoved) {
        EXPECT_EQ(slurp(dir + "/alt.n51"), fileBytes("alter Text"));
    }
}

using Call = FailingCall::Call;
INSTANTIATE_TEST_SUITE_P(
    Form2, RefusedSave,
    ::testing::Values(RefusedSaveCase{"ReadOnlyTarget", "alt", "alt.n51", "Keine Berechtigung",
                                      Call::None, 0, true},
                      RefusedSaveCase{"ReadOnlyFileSystem", "alt", "alt.n51",
                                      "Das Dateisystem ist schreibgeschützt", Call::Open, EROFS},
                      RefusedSaveCase{"FolderRemovedWhileOpen", "Gruss", "Gruss.n51",
                                      "Die Datei oder ihr Ordner wurde nicht gefunden", Call::None,
                                      0, false, true},
                      RefusedSaveCase{"SlashNamesAMissingFolder", "a/b", "a/b.n51",
                                      "Die Datei oder ihr Ordner wurde nicht gefunden"},
                      RefusedSaveCase{"SlashAfterAFileName", "alt.n51/b", "alt.n51/b.n51",
                                      "Ein Teil des Pfades ist kein Ordner"},
                      RefusedSaveCase{"WrittenButNotOnDisk", "alt", "alt.n51",
                                      "Ein-/Ausgabefehler beim Zugriff auf den Datenträger",
                                      Call::Fsync, EIO},
                      RefusedSaveCase{"WrittenButNotRenamed", "alt", "alt.n51",
                                      "Auf dem Datenträger ist kein Platz mehr", Call::Rename,
                                      ENOSPC}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, ClosingEitherDialogThroughTheFrameCountsAsCancel) {
    {
        Form2 form(state, boxes, "Hallo");
        form.show();
        control<QLineEdit>(form, "Text1")->setText("Gruss");
        state.Dateiname = "vorher";
        form.close();
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(state.Dateiname, "");
        EXPECT_FALSE(QFile::exists(dir + "/Gruss.n51"));
    }
    {
        Form3 form(state, boxes, [](const std::string&) {});
        form.show();
        state.Dateiname = "/phones/Nokia 5110.bsd";
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible()) << "Escape does what the close box does";
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(state.Dateiname, "");
    }
    EXPECT_TRUE(boxes.asked.empty());
}

// ---- Open ----

class OpenTest : public DialogTest {
  protected:
    std::vector<std::string> previews;
    std::function<void(const std::string&)> record = [this](const std::string& t) {
        previews.push_back(t);
    };
};

TEST_F(OpenTest, OkWithoutASelectedFileAsksForOne) {
    state.Dateiname = "vorher";
    Form3 form(state, boxes, record);
    form.setPattern("*.n51");
    form.show();
    control<QPushButton>(form, "Command1")->click();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Datei auswählen!");
    EXPECT_EQ(boxes.asked[0].caption, "Achtung");
    EXPECT_EQ(boxes.asked[0].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(boxes.asked[0].icon, MessageBoxes::Icon::Exclamation);
    EXPECT_EQ(state.Dateiname, "vorher");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(OpenTest, OkTakesTheSelectedFile) {
    Form3 form(state, boxes, record);
    form.setPattern("*.n51");
    auto* files = control<FileList>(form, "File1");
    files->setListIndex(rowOf(files, "c.N51"));
    EXPECT_EQ(state.Dateiname, "") << "a click leaves no result";
    control<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(state.Dateiname, (dir + "/c.N51").toStdString());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(previews.empty()) << "no preview while Vorschau is False";
}

TEST_F(OpenTest, DoubleClickPreviewsAndTakesTheFile) {
    state.Vorschau = true;
    Form3 form(state, boxes, record);
    form.setPattern("*.n51");
    form.show();
    auto* files = control<FileList>(form, "File1");
    doubleClick(files->viewport(),
                files->visualItemRect(files->item(rowOf(files, "b.n51"))).center());
    EXPECT_EQ(previews, std::vector<std::string>{"Zweite"});
    EXPECT_EQ(state.Dateiname, (dir + "/b.n51").toStdString());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(OpenTest, EachClickPreviewsAndAnUnreadableFileSaysWhy) {
    state.Vorschau = true;
    Form3 form(state, boxes, record);
    form.setPattern("*.n51");
    auto* files = control<FileList>(form, "File1");
    for (const char* name : {"alt.n51", "c.N51", "kaputt.n51", "b.n51"}) {
        files->setListIndex(rowOf(files, name));
        EXPECT_EQ(state.Dateiname, "") << name;
    }
    EXPECT_EQ(previews, (std::vector<std::string>{"alter Text", "Dritte\r\nZeile", "Zweite"}));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Die Datei „" + dir +
                                       "/kaputt.n51“ kann nicht gelesen werden.\nZeile 2: "
                                       "„abc“ ist kein Zeichencode.");
    EXPECT_EQ(boxes.asked[0].caption, "Achtung");

    control<QPushButton>(form, "Command2")->click();
    EXPECT_EQ(state.Dateiname, "");
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

// ---- Remembered folders ----

TEST_F(OpenTest, FoldersAreRememberedAcrossUsesAndFallBackOnTheOtherDialog) {
    const std::string other = (root + "/Anderer").toStdString();
    {
        // Never used: the open dialog goes where the save dialog was.
        Form3 form(state, boxes, record);
        EXPECT_EQ(control<DirectoryList>(form, "Verzeichnis")->Path(), dir);
        EXPECT_EQ(control<FileList>(form, "File1")->Path(), dir);
        EXPECT_EQ(state.OeffnenPfad, dir.toStdString());
        EXPECT_EQ(state.OeffnenLaufwerk, control<DriveList>(form, "Platte")->Drive().toStdString());
        control<DirectoryList>(form, "Verzeichnis")->setPath(root + "/Anderer");
        EXPECT_EQ(state.OeffnenPfad, other);
        form.reject();
    }
    {
        Form3 form(state, boxes, record);
        EXPECT_EQ(control<DirectoryList>(form, "Verzeichnis")->Path(), root + "/Anderer");
    }
    {
        // The save dialog keeps its own folder while it has one.
        Form2 form(state, boxes, "x");
        EXPECT_EQ(control<DirectoryList>(form, "Verzeichnis")->Path(), dir);
    }
    state.SpeichernPfad.clear();
    state.SpeichernLaufwerk.clear();
    {
        Form2 form(state, boxes, "x");
        auto* folders = control<DirectoryList>(form, "Verzeichnis");
        EXPECT_EQ(folders->Path(), root + "/Anderer");
        EXPECT_EQ(state.SpeichernPfad, other);
        EXPECT_EQ(control<DriveList>(form, "Platte")->Drive(),
                  volumeOf(control<DriveList>(form, "Platte")->volumes(), root));
        // A double click on the root entry opens it.
        form.show();
        doubleClick(folders->viewport(), folders->visualItemRect(folders->item(0)).center());
        EXPECT_EQ(state.SpeichernPfad, "/");
        EXPECT_EQ(state.SpeichernLaufwerk, "/");
    }
}

TEST_F(OpenTest, AMissingRememberedFolderOpensAtItsNearestParent) {
    state.OeffnenPfad = (root + "/Anderer/weg/tiefer").toStdString();
    Form3 form(state, boxes, record);
    EXPECT_EQ(control<DirectoryList>(form, "Verzeichnis")->Path(), root + "/Anderer");
    EXPECT_EQ(state.OeffnenPfad, (root + "/Anderer").toStdString());
}

TEST_F(OpenTest, FirstUseOpensInTheProgramsCurrentDirectory) {
    state.SpeichernPfad.clear();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir));
    Form3 form(state, boxes, record);
    form.setPattern("*.n51");
    QDir::setCurrent(before);
    EXPECT_EQ(control<DirectoryList>(form, "Verzeichnis")->Path(), dir);
    EXPECT_EQ(control<FileList>(form, "File1")->List(0), "alt.n51");
    EXPECT_EQ(state.OeffnenPfad, "") << "nothing changed, nothing remembered";
}

} // namespace
