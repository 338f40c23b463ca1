#pragma once
// Form1, the main window: the message boxes, the counters, the simulated display Bild1,
// the picture navigation, the character lists and the menu. The engine computes; the
// handlers here read and write the controls and call it.

#include "animation_host.h"
#include "export_dialog.h"
#include "message_boxes.h"
#include "message_edit.h"
#include "sms_check.h"
#include "state.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <string>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace smssim {

class DisplayPicture;

class Form1 : public QMainWindow, public AnimationHost {
    Q_OBJECT
  public:
    // `dataDir` is the installed folder of phone definitions, searched for the default
    // phone after the working directory; it may be empty.
    Form1(Module1& state, MessageBoxes& boxes, std::string dataDir, QWidget* parent = nullptr);

    // Runs before the window is first shown. Returns false when no phone definition could
    // be loaded and the user cancelled the choice of another one: the program then ends.
    bool Form_Load();

    // Asks for another phone definition when the default one is missing or refused at
    // start; returns the chosen path, or an empty one when the user cancels. The default
    // shows a file dialog; tests replace it.
    using PhoneChooser = std::function<std::string()>;
    void setStartPhoneChooser(PhoneChooser chooser) { choosePhone_ = std::move(chooser); }
    // Asks where and how to export the pictures; nullopt when the user cancels. The
    // default shows the export dialog; tests replace it.
    using ExportChooser = std::function<std::optional<ExportChoice>()>;
    void setExportChooser(ExportChooser chooser) { chooseExport_ = std::move(chooser); }
    // The same for the phone's font.
    using FontExportChooser = std::function<std::optional<FontChoice>()>;
    void setFontExportChooser(FontExportChooser chooser) { chooseFontExport_ = std::move(chooser); }
    // The screen's area free for windows, in which the window places itself whenever a
    // phone is loaded; tests give other screens.
    using ScreenArea = std::function<QRect()>;
    void setScreenArea(ScreenArea area) { screenArea_ = std::move(area); }

    // --- What the file commands, the dialogs and the animation window use.
    Module1& state() override { return state_; }
    MessageBoxes& boxes() { return boxes_; }
    const std::string& dataDir() const { return dataDir_; }
    // Text1(AktuellerText).Text in Windows-1252 bytes; assigning it runs Text1_Change
    // before it returns.
    const std::string& messageText() const;
    void setMessageText(std::string cp1252);
    // The picture number box Text6 (locked: only the program writes it).
    QString text6() const override;
    void setText6(const QString& text) override;
    // ZeichensatzLaden and what it does to the window: character lists, Check1, caption,
    // size and place of Bild1. A refused file is named in a message box "Achtung" with
    // the reason, and the previous phone stays. Does not render.
    bool loadPhone(const std::string& path);
    // Draws the current message into Bild1 and updates Label3.
    void DisplayZeichnen() override;

    // The control array Text1: element 0 single-line, element 1 with paragraphs.
    MessageEdit& Text1(int index) { return *text1_.at(static_cast<std::size_t>(index)); }
    DisplayPicture& Bild1() { return *bild1_; }

    // --- Handlers, named control_event.
    void Text1_Change(int index);
    void Text1_DblClick(int index);
    void Text2_Change();
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();
    void Frame1_DblClick();
    // Defined with the message file commands (form1_file_commands.cpp).
    void Zeichensatz_Click();
    void Öffnen_Click();
    void Speichern_Click();
    void Annimieren_Click();
    void Info_Click();
    void Beenden_Click();
    // Defined with the export commands (form1_export_commands.cpp).
    void BilderExportieren_Click();
    void BildKopieren_Click();
    void ZeichensatzExportieren_Click();
    // The look-alikes of the characters that force UCS-2 into the message box, and the
    // national language tables the SMS cost counts with.
    void ZeichenErsetzen_Click();
    void Landessprache_Click(int language);

  signals:
    // With every beep, which the offscreen platform of the tests does not sound.
    void beeped();

  protected:
    // After every dialog and message box the window takes the keyboard back.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Beenden, Ctrl+X and the close box all end here: a changed message is not lost
    // without a question.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    // The groups of controls, top to bottom, in the order they are stacked.
    void buildDisplay();
    void buildMessageBoxes();
    void buildCharacterList();
    void buildPictureFrame();
    void buildSpecialCharacters();
    void buildLengthControls();
    void buildStatusBar();
    // The status bar and Bild1's description for screen readers, after each drawing.
    void showSmsStatus(std::int32_t bildanzahl);
    void buildMenu();
    // A menu entry named `name`, with its keys, that runs `handler`.
    QAction* addMenuEntry(QWidget* menu, const QString& caption, const char* name,
                          QKeySequence keys, void (Form1::*handler)());
    // "keine" and a checkable entry for each national language, by its identifier.
    void buildNationalMenu(QMenu* textnachricht);
    void nameControls();
    void buildTabOrder();
    void connectHandlers();
    // Moves a dialog about to open where it leaves the whole display in view.
    void placeClearOfDisplay(QWidget& dialog) const;

    bool applyPhone(const std::string& path, const QString& hint);
    // Back to the single-line box without paragraph breaks; Text1(1) keeps its text.
    void leaveParagraphMode();
    // Hides the other message box and makes `box` (0 single-line, 1 paragraphs) the
    // current one with `text`.
    void switchMessageBox(int box, std::string text);
    // A display too large for the layout moves the controls below it down and widens the
    // client area by the excess, so it covers nothing; one that fits leaves the layout.
    void makeRoomForDisplay(QSize display);
    // Bild1 at `display` size, centred, with room made for it.
    void showDisplayAt(QSize display);
    // Draws the display as large as laid out, or smaller where the window would not fit on
    // the screen's area otherwise, and places the window on that area: centred the first
    // time, then moved only as far as it must.
    void fitOnScreen();
    // Where the controls below the display begin as laid out.
    int laidOutControlsTop() const;
    void Bildtest();
    // Shows picture `number`: Text6, Bildversatz and the display.
    void showPicture(double number);
    MessageEdit& currentBox();
    const MessageEdit& currentBox() const;
    // Input refused: the platform's beep.
    void beep();

    Module1& state_;
    MessageBoxes& boxes_;
    std::string dataDir_;
    PhoneChooser choosePhone_;
    ExportChooser chooseExport_;
    FontExportChooser chooseFontExport_;
    ScreenArea screenArea_;
    bool placed_ = false; // by the first phone loaded
    // The message as last saved or opened: what quitting may lose is the difference.
    std::string keptText_;
    // The last export chosen: the export dialog opens with its folder, kind and scale.
    std::optional<ExportChoice> lastExport_;
    std::optional<FontChoice> lastFontExport_;

    QWidget* client_ = nullptr;
    // How much larger than laid out the client area is for the current display.
    QSize grown_{0, 0};
    DisplayPicture* bild1_ = nullptr;
    QLabel* label6_ = nullptr;
    std::array<MessageEdit*, 2> text1_{};
    QLabel* label4_ = nullptr;
    QPlainTextEdit* text3_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QLabel* label7_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* label5_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* smsStatus_ = nullptr;
    PhoneLists lists_;        // of the loaded phone
    GlyphKinds glyphKinds_{}; // of the loaded phone, from lists_
    // Kept only while the program runs, as every setting is.
    NationalLanguages national_;
    std::array<QAction*, kLanguageCount> nationalEntries_{};

    QAction* zeichensatz_ = nullptr;
    QAction* beenden_ = nullptr;
    QAction* oeffnen_ = nullptr;
    QAction* speichern_ = nullptr;
    QAction* annimieren_ = nullptr;
};

} // namespace smssim
