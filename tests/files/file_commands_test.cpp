// The main window's file commands, driven through their modal dialogs.

#include "dialog_placement.h"
#include "directory_list.h"
#include "file_list.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "gui_support.h"
#include "message_file.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <tuple>

namespace smssim::test {
namespace {

FileList* files(QDialog& dialog) {
    return dialog.findChild<FileList*>("File1");
}

void open(QDialog& dialog, const QString& folder, const QString& file) {
    if (!folder.isEmpty())
        dialog.findChild<DirectoryList*>("Verzeichnis")->setPath(folder);
    for (int i = 0; i < files(dialog)->ListCount(); ++i)
        if (files(dialog)->List(i) == file)
            return files(dialog)->setListIndex(i);
    ADD_FAILURE() << "no file " << file.toStdString();
}

void press(QDialog& dialog, const char* button) {
    dialog.findChild<QPushButton*>(button)->click();
}

class FileCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        dir = QDir(tmp.path()).canonicalPath();
        for (const auto& [name, bytes] : {std::pair("eins.gui", messageFileBytes("Eins")),
                                          {"zwei.gui", messageFileBytes("Zwei")},
                                          {"absatz.gui", messageFileBytes("A\r\nB")},
                                          {"leer.gui", ""},
                                          {"kaputt.gui", "72\r\nabc\r\n"}}) {
            QFile f(dir + "/" + name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
        state.OeffnenPfad = dir.toStdString();
        startAtPictureThree();
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
    QString dir;
};

TEST_F(FileCommandsTest, OpenPreviewsEachClickedFileAndTakesTheChosenOne) {
    // The files clicked, then OK ('o', 'p' in the paragraph box), a double click on the last
    // one ('d') or cancel ('c'); what each click showed, and the message taken.
    const struct {
        std::vector<std::string> clicked;
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
        SCOPED_TRACE(row.clicked.back() + " " + row.end);
        if (row.end == 'p')
            check1()->click();
        startAtPictureThree();
        boxes.asked.clear();
        std::vector<std::string> previews;
        whenModal<Form3>(form.get(), [&](Form3& dialog) {
            EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(),
                      "Bestehende GUI-Testhandy - Textdateien:");
            EXPECT_EQ(files(dialog)->Pattern(), "*.gui");
            EXPECT_TRUE(state.Vorschau);
            for (const std::string& name : row.clicked) {
                open(dialog, {}, QString::fromStdString(name));
                previews.push_back(form->messageText());
            }
            if (row.end == 'd')
                emit files(dialog)->itemDoubleClicked(files(dialog)->currentItem());
            else
                press(dialog, row.end == 'c' ? "Command2" : "Command1");
        });
        form->findChild<QAction*>("Öffnen")->trigger(); // the menu entry
        EXPECT_EQ(previews, row.previews);
        expectPictureOneOf(row.result);
        EXPECT_EQ(form->Text1(row.end == 'p' ? 1 : 0).text(), row.result);
        EXPECT_FALSE(state.Vorschau);
        EXPECT_EQ(state.Dateiname, "");
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
            EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Zeichensatz - Dateien:");
            EXPECT_EQ(files(dialog)->Pattern(), "*.bsd");
            if (!file) {
                dialog.close();
                return;
            }
            open(dialog, QString::fromStdString(folder), file);
            EXPECT_EQ(form->messageText(), "Vorher") << "no preview of phone definitions";
            press(dialog, "Command1");
        });
        form->findChild<QAction*>("Zeichensatz")->trigger();
        EXPECT_EQ(state.Telefonname, phone);
        expectPictureOneOf("Vorher");
        EXPECT_EQ(boxes.asked.size(), file && phone[0] == 'G' ? 1u : 0u) << "refused: named";
        boxes.asked.clear();
    }
}

TEST_F(FileCommandsTest, SaveWritesTheCurrentMessage) {
    check1()->click();
    form->setMessageText("Hallo\r\nWelt");
    state.SpeichernPfad = dir.toStdString();
    whenModal<Form2>(form.get(), [&](Form2& dialog) {
        dialog.findChild<QLineEdit*>("Text1")->setText("Gruss");
        press(dialog, "Command1");
    });
    form->findChild<QAction*>("Speichern")->trigger();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "In Datei " + dir + "/Gruss.gui speichern?");
    const MessageReadResult read = NachrichtLesen((dir + "/Gruss.gui").toStdString());
    EXPECT_EQ(std::get<std::string>(read), "Hallo\r\nWelt");
    form->close();
    EXPECT_EQ(boxes.asked.size(), 1u) << "a saved message ends without a question";
}

TEST_F(FileCommandsTest, EveryDialogOpensOnScreenAndLeavesTheDisplayInView) {
    // The real window and dialog sizes, a usual window frame, and screens side by side.
    const QMargins frame(4, 30, 4, 4);
    Form2 save(state, boxes, "");
    Form3 open(state, boxes, {});
    Form4 animation(*form, form.get());
    for (const char* phone : {"Nokia 5110.bsd", "Kommunikator 9000.bsd"}) {
        ASSERT_TRUE(form->loadPhone(kPhonesDir + "/" + phone));
        const QRect window({}, form->size().grownBy(frame));
        const QRect display(form->Bild1().mapTo(form.get(), QPoint(frame.left(), frame.top())),
                            form->Bild1().size());
        for (const QRect screen : {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)})
            for (const QPoint at : {screen.center() - window.center(), screen.topLeft(),
                                    screen.bottomRight() - window.bottomRight()})
                for (const QDialog* dialog :
                     std::initializer_list<QDialog*>{&save, &open, &animation}) {
                    SCOPED_TRACE(std::string(phone) + " " + dialog->objectName().toStdString());
                    const QSize size = dialog->size().grownBy(frame);
                    const QRect placed(
                        placeClearOf(screen, window.translated(at), display.translated(at), size),
                        size);
                    EXPECT_TRUE(screen.contains(placed));
                    EXPECT_FALSE(placed.intersects(display.translated(at)));
                }
    }
}

TEST_F(FileCommandsTest, TheRealDialogsOpenClearOfTheDisplay) {
    activate(form.get());
    const QRect screen = form->screen()->availableGeometry();
    const QWidget& display = form->Bild1();
    for (const QPoint at : {form->pos(), screen.topLeft()}) {
        form->move(at);
        for (void (Form1::*command)() : {&Form1::Öffnen_Click, &Form1::Speichern_Click,
                                         &Form1::Zeichensatz_Click, &Form1::Annimieren_Click}) {
            whenModal<QDialog>(form.get(), [&](QDialog& dialog) {
                SCOPED_TRACE(dialog.objectName().toStdString());
                EXPECT_TRUE(screen.contains(dialog.frameGeometry()));
                EXPECT_FALSE(dialog.frameGeometry().intersects(
                    QRect(display.mapToGlobal(QPoint(0, 0)), display.size())));
                dialog.close();
            });
            (form.get()->*command)();
        }
    }
}

} // namespace
} // namespace smssim::test
