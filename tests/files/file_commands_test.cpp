// The main window's file commands, driven through their modal dialogs.

#include "directory_list.h"
#include "file_list.h"
#include "form2.h"
#include "form3.h"
#include "gui_support.h"
#include "message_file.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace smssim::test {
namespace {

void spit(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Runs `act` on the modal dialog once its exec() has started. A dialog that `act` leaves
// open is closed with a failure, so that no test can hang in exec().
template <typename D> void whenModal(QObject* context, std::function<void(D&)> act) {
    QTimer::singleShot(0, context, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog of the expected kind";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->done(QDialog::Rejected);
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->done(QDialog::Rejected);
        }
    });
}

void select(QDialog& dialog, const QString& name) {
    auto* files = dialog.findChild<FileList*>("File1");
    for (int i = 0; i < files->ListCount(); ++i)
        if (files->List(i) == name)
            return files->setListIndex(i);
    ADD_FAILURE() << "no file " << name.toStdString();
}

void press(QDialog& dialog, const char* button) {
    dialog.findChild<QPushButton*>(button)->click();
}

class FileCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(tmp.isValid());
        dir = QDir(tmp.path()).canonicalPath();
        spit(dir + "/eins.gui", messageFileBytes("Eins"));
        spit(dir + "/zwei.gui", messageFileBytes("Zwei"));
        spit(dir + "/absatz.gui", messageFileBytes("A\r\nB"));
        spit(dir + "/leer.gui", "");
        spit(dir + "/kaputt.gui", "72\r\nabc\r\n");
        spit(dir + "/andere.n51", messageFileBytes("Nokia"));
        state.OeffnenPfad = dir.toStdString();
        form->setMessageText("Vorher");
        form->setText6("3");
        state.Bildversatz = -24;
    }

    void expectPictureOneOf(const std::string& text) {
        EXPECT_EQ(form->messageText(), text);
        EXPECT_EQ(text6()->text(), "1");
        EXPECT_EQ(state.Bildversatz, 0);
        EXPECT_EQ(bild1(), enginePicture(state, text));
    }

    QTemporaryDir tmp;
    QString dir;
};

TEST_F(FileCommandsTest, OpenPreviewsEachClickedFileAndCancelRestoresTheText) {
    std::vector<std::string> shown;
    QString caption, pattern;
    bool previewing = false;
    whenModal<Form3>(form.get(), [&](Form3& dialog) {
        caption = dialog.findChild<QLabel*>("Label1")->text();
        pattern = dialog.findChild<FileList*>("File1")->Pattern();
        previewing = state.Vorschau;
        for (const char* name : {"eins.gui", "zwei.gui"}) {
            select(dialog, name);
            shown.push_back(form->messageText());
        }
        press(dialog, "Command2");
    });
    form->Öffnen_Click();
    EXPECT_EQ(caption, "Bestehende GUI-Testhandy - Textdateien:");
    EXPECT_EQ(pattern, "*.gui");
    EXPECT_TRUE(previewing);
    EXPECT_EQ(shown, (std::vector<std::string>{"Eins", "Zwei"}));
    expectPictureOneOf("Vorher");
    EXPECT_FALSE(state.Vorschau);
    EXPECT_EQ(state.Dateiname, "");
}

struct OpenCase {
    const char* name;
    const char* file;
    bool paragraphs;
    std::string text;
};

class OpenConfirmed : public FileCommandsTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenConfirmed, ReadsTheFileIntoTheCurrentBox) {
    if (GetParam().paragraphs) {
        check1()->click();
        ASSERT_EQ(state.AktuellerText, 1);
    }
    whenModal<Form3>(form.get(), [&](Form3& dialog) {
        select(dialog, GetParam().file);
        press(dialog, "Command1");
    });
    form->Öffnen_Click();
    expectPictureOneOf(GetParam().text);
    EXPECT_EQ(form->Text1(GetParam().paragraphs ? 1 : 0).text(), GetParam().text);
    EXPECT_EQ(state.Dateiname, "");
    EXPECT_FALSE(state.Vorschau);
    EXPECT_TRUE(boxes.asked.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Form1, OpenConfirmed,
    ::testing::Values(OpenCase{"Plain", "eins.gui", false, "Eins"},
                      OpenCase{"EmptyFileEmptiesTheBox", "leer.gui", false, ""},
                      OpenCase{"BreaksKeptInTheSingleLineBox", "absatz.gui", false, "A\r\nB"},
                      OpenCase{"IntoTheParagraphBox", "absatz.gui", true, "A\r\nB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, OpenWithDoubleClick) {
    whenModal<Form3>(form.get(), [&](Form3& dialog) {
        auto* files = dialog.findChild<FileList*>("File1");
        select(dialog, "zwei.gui");
        emit files->itemDoubleClicked(files->currentItem());
    });
    form->Öffnen_Click();
    expectPictureOneOf("Zwei");
}

TEST_F(FileCommandsTest, AnUnreadableFileSaysWhyAndKeepsTheText) {
    whenModal<Form3>(form.get(), [&](Form3& dialog) {
        select(dialog, "kaputt.gui");
        EXPECT_EQ(form->messageText(), "Vorher") << "a failed preview changes nothing";
        press(dialog, "Command1");
    });
    form->Öffnen_Click();
    ASSERT_EQ(boxes.asked.size(), 2u) << "once for the preview, once for the file taken";
    for (const auto& box : boxes.asked) {
        EXPECT_EQ(box.text, "Die Datei „" + dir +
                                "/kaputt.gui“ kann nicht gelesen werden.\nZeile 2: „abc“ ist "
                                "kein Zeichencode.");
        EXPECT_EQ(box.caption, "Achtung");
    }
    expectPictureOneOf("Vorher");
    EXPECT_EQ(state.Dateiname, "");
}

TEST_F(FileCommandsTest, LoadingAPhoneChangesTheLaterOpenCommand) {
    const std::string nokia = kPhonesDir + "/Nokia 5110.bsd";
    whenModal<Form3>(form.get(), [&](Form3& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Zeichensatz - Dateien:");
        EXPECT_EQ(dialog.findChild<FileList*>("File1")->Pattern(), "*.bsd");
        EXPECT_FALSE(state.Vorschau);
        dialog.findChild<DirectoryList*>("Verzeichnis")
            ->setPath(QString::fromStdString(kPhonesDir));
        select(dialog, "Nokia 5110.bsd");
        EXPECT_EQ(form->messageText(), "Vorher") << "no preview of phone definitions";
        press(dialog, "Command1");
    });
    form->Zeichensatz_Click();
    EXPECT_EQ(state.Telefonname, "Nokia 5110");
    EXPECT_EQ(state.Dateiname, QDir::cleanPath(QString::fromStdString(nokia)).toStdString());
    expectPictureOneOf("Vorher");

    QString caption, pattern;
    QStringList listed;
    whenModal<Form3>(form.get(), [&](Form3& dialog) {
        caption = dialog.findChild<QLabel*>("Label1")->text();
        auto* files = dialog.findChild<FileList*>("File1");
        pattern = files->Pattern();
        dialog.findChild<DirectoryList*>("Verzeichnis")->setPath(dir);
        for (int i = 0; i < files->ListCount(); ++i)
            listed << files->List(i);
        press(dialog, "Command2");
    });
    form->Öffnen_Click();
    EXPECT_EQ(caption, "Bestehende Nokia 5110 - Textdateien:");
    EXPECT_EQ(pattern, "*.n51");
    EXPECT_EQ(listed, QStringList{"andere.n51"});
}

TEST_F(FileCommandsTest, CancelledOrRefusedPhoneKeepsThePhoneAndShowsPictureOne) {
    const Module1 before = state;
    // A stale path from an earlier load must not be loaded again after closing the frame.
    state.Dateiname = kTestPhone;
    whenModal<Form3>(form.get(), [&](Form3& dialog) { dialog.close(); });
    form->Zeichensatz_Click();
    EXPECT_EQ(state.Dateiname, "");
    expectPictureOneOf("Vorher");
    EXPECT_TRUE(boxes.asked.empty());

    form->setText6("2");
    whenModal<Form3>(form.get(), [&](Form3& dialog) {
        dialog.findChild<DirectoryList*>("Verzeichnis")
            ->setPath(QString::fromUtf8(SMSSIM_TEST_DATA) + "/gui");
        select(dialog, "zero-picture-height.bsd");
        press(dialog, "Command1");
    });
    form->Zeichensatz_Click();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption, "Achtung");
    EXPECT_EQ(state.Telefonname, before.Telefonname);
    EXPECT_EQ(state.Bildhoehe, before.Bildhoehe);
    expectPictureOneOf("Vorher");
}

TEST_F(FileCommandsTest, SaveWritesTheCurrentMessage) {
    check1()->click();
    form->setMessageText("Hallo\r\nWelt");
    state.SpeichernPfad = dir.toStdString();
    whenModal<Form2>(form.get(), [&](Form2& dialog) {
        dialog.findChild<QLineEdit*>("Text1")->setText("Gruss");
        press(dialog, "Command1");
    });
    form->Speichern_Click();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "In Datei " + dir + "/Gruss.gui speichern?");
    const MessageReadResult read = NachrichtLesen((dir + "/Gruss.gui").toStdString());
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), "Hallo\r\nWelt");
    EXPECT_EQ(form->messageText(), "Hallo\r\nWelt");
}

} // namespace
} // namespace smssim::test
