// The main window's file commands through their modal dialogs: the menu opens the dialog,
// what the dialog gives reaches the message, the phone or the file, and cancel restores.

#include "directory_list.h"
#include "form2.h"
#include "form3.h"
#include "gui_support.h"
#include "message_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <tuple>

namespace smssim::test {
namespace {

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
