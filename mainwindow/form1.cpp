#include "form1.h"
#include "line_ends.h"

#include "app_icon.h"
#include "default_phone.h"
#include "dialog_placement.h"
#include "display_fit.h"
#include "display_lines.h"
#include "display_picture.h"
#include "fonts.h"
#include "form4.h"
#include "lcd_image.h"
#include "letters_left.h"
#include "modal_window.h"
#include "named.h"
#include "numbers.h"
#include "phone_loader.h"
#include "renderer.h"
#include "sms_status.h"
#include "text_codec.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QWindow>
#include <cmath>
#include <limits>
#include <tuple>

namespace smssim {

namespace {

constexpr int kClientWidthTwips = 7905;
constexpr int kClientHeightTwips = 6300;
// The window's outer width, by which Bild1 is centred, counts the frame of a standard
// window too: 4 pixels on either side.
constexpr int kOuterFrameTwips = 120;
constexpr int kBild1TopTwips = 480;

const QString kInfoText =
    QStringLiteral("SMS-Simulator, ein Programm des smssim-Projekts "
                   "(Fehler bitte im Issue-Tracker des smssim-Projekts melden)");

QLabel* label(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* l = named(new QLabel(caption, parent), name, geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

std::string removeParagraphBreaks(const std::string& text) {
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (crLfAt(text, i))
            ++i;
        else
            joined += text[i];
    }
    return joined;
}

} // namespace

Form1::Form1(Module1& state, MessageBoxes& boxes, std::string dataDir, QWidget* parent)
    : QMainWindow(parent), state_(state), boxes_(boxes), dataDir_(std::move(dataDir)) {
    // Order is critical: the tab order and the handlers need every control built.
    buildControls();
    buildMenu();
    nameControls();
    buildTabOrder();
    connectHandlers();
    screenArea_ = [this] {
        const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
        return on->availableGeometry();
    };
    choosePhone_ = [this] {
        // Qt's own dialog, not the desktop's: that one speaks the desktop's language, and
        // this program speaks German throughout.
        return QFileDialog::getOpenFileName(this, QStringLiteral("Zeichensatz laden"), QString(),
                                            QStringLiteral("Zeichensatz - Dateien (*.bsd)"),
                                            nullptr, QFileDialog::DontUseNativeDialog)
            .toStdString();
    };
    chooseExport_ = [this] { return chooseExport(this, lastExport_); };
    chooseFontExport_ = [this] { return chooseFontExport(this, lastFontExport_); };
}

void Form1::buildControls() {
    setObjectName(QStringLiteral("Form1"));
    setFont(layoutFont(QStringLiteral("Arial")));
    setWindowIcon(appIcon());

    client_ = new QWidget(this);
    client_->setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildDisplay();
    buildMessageBoxes();
    buildCharacterList();
    buildPictureFrame();
    buildSpecialCharacters();
    buildLengthControls();
    buildStatusBar();
    text2_->setFocus();
}

void Form1::buildDisplay() {
    bild1_ = named(new DisplayPicture(client_), "Bild1", twipsRect(1320, 480, 5055, 2775));
    bild1_->setToolTip(QStringLiteral("Simuliert das Handydisplay"));
    bild1_->setFocusPolicy(Qt::TabFocus);
    bild1_->resizeDisplay(bild1_->size(), bild1_->width(), bild1_->height());
}

void Form1::buildMessageBoxes() {
    label6_ =
        label(client_, "Label6", QStringLiteral("SMS - Text:"), twipsRect(240, 3600, 975, 255));

    // Element i of the control array Text1 is the widget named "Text1_i".
    const QRect messageRect = twipsRect(240, 3840, 4095, 615);
    text1_[0] = new MessageEdit(MessageEdit::Kind::SingleLine, client_);
    text1_[1] = new MessageEdit(MessageEdit::Kind::MultiLine, client_);
    named(text1_[0]->widget(), "Text1_0", messageRect);
    named(text1_[1]->widget(), "Text1_1", messageRect);
    text1_[0]->setObjectName(QStringLiteral("Text1_0"));
    text1_[1]->setObjectName(QStringLiteral("Text1_1"));
    for (auto* box : text1_)
        box->setMaxLength(kDefaultMaxLength);
    // A tall single-line text box shows its text at the top, not centred.
    qobject_cast<QLineEdit*>(text1_[0]->widget())->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette black = text1_[1]->widget()->palette();
    black.setColor(QPalette::Text, Qt::black);
    text1_[1]->widget()->setPalette(black);
    text1_[1]->widget()->hide();
}

void Form1::buildCharacterList() {
    const QFont sansSerif = layoutFont();
    label4_ = label(client_, "Label4", QStringLiteral("Verfügbare Zeichen:"),
                    twipsRect(4680, 3600, 1575, 255));
    label4_->setFont(sansSerif);
    text3_ = named(new QPlainTextEdit(client_), "Text3", twipsRect(4680, 3840, 2895, 975));
    text3_->setFont(sansSerif);
    text3_->setTabChangesFocus(true);
}

void Form1::buildPictureFrame() {
    frame1_ = named(new QGroupBox(QStringLiteral("Anzeige:"), client_), "Frame1",
                    twipsRect(240, 4560, 4095, 855));
    label7_ = label(frame1_, "Label7", QStringLiteral("Bild Nr.:"), twipsRect(1320, 240, 615, 255));
    text6_ =
        named(new QLineEdit(QStringLiteral("1"), frame1_), "Text6", twipsRect(1920, 240, 495, 315));
    text6_->setReadOnly(true);
    command2_ = named(new QPushButton(QStringLiteral("-"), frame1_), "Command2",
                      twipsRect(1920, 600, 255, 165));
    command1_ = named(new QPushButton(QStringLiteral("+"), frame1_), "Command1",
                      twipsRect(2160, 600, 255, 165));
    for (auto* small : {command1_, command2_})
        small->setStyleSheet(QStringLiteral("padding: 0px"));
}

void Form1::buildSpecialCharacters() {
    label5_ = label(client_, "Label5", QStringLiteral("Sonderzeichen (z.T. nicht sendbar):"),
                    twipsRect(4680, 4920, 2775, 255));
    text4_ = named(new QLineEdit(client_), "Text4", twipsRect(4680, 5160, 2895, 975));
    text4_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form1::buildLengthControls() {
    const QFont sansSerif = layoutFont();
    label1_ = label(client_, "Label1", QStringLiteral("Maximale Nachrichtenlänge:"),
                    twipsRect(240, 5520, 2175, 255));
    label1_->setFont(sansSerif);
    text2_ = named(new QLineEdit(QString::number(kDefaultMaxLength), client_), "Text2",
                   twipsRect(2520, 5520, 495, 285));
    text2_->setFont(sansSerif);
    // Typed letters would only leave Text2 without a valid maximum.
    text2_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), text2_));
    check1_ = named(new QCheckBox(QStringLiteral("Absätze"), client_), "Check1",
                    twipsRect(3360, 5520, 975, 255));
    check1_->hide();
    label2_ = label(client_, "Label2", QStringLiteral("Verbleibende Buchstaben:"),
                    twipsRect(240, 5880, 1935, 255));
    label2_->setFont(sansSerif);
    label3_ = label(client_, "Label3", QString::number(kDefaultMaxLength),
                    twipsRect(2520, 5880, 495, 255));
    label3_->setFont(sansSerif);
}

// Below the laid-out client area, which keeps every position; the window grows by it.
void Form1::buildStatusBar() {
    smsStatus_ = new QLabel(statusBar());
    smsStatus_->setObjectName(QStringLiteral("SmsStatus"));
    smsStatus_->setAccessibleName(QStringLiteral("SMS-Status"));
    statusBar()->addWidget(smsStatus_, 1);
    statusBar()->setSizeGripEnabled(false);
}

QAction* Form1::addMenuEntry(QWidget* menu, const QString& caption, const char* name,
                             QKeySequence keys, void (Form1::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, handler);
    menu->addAction(action);
    return action;
}

void Form1::buildMenu() {
    auto* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("Datei"));
    zeichensatz_ = addMenuEntry(datei, QStringLiteral("&Zeichensatz laden"), "Zeichensatz", {},
                                &Form1::Zeichensatz_Click);
    // An addition, beside the entry that loads what it exports.
    addMenuEntry(datei, QStringLiteral("Zeichensatz &exportieren.."), "ZeichensatzExportieren", {},
                 &Form1::ZeichensatzExportieren_Click);
    beenden_ = addMenuEntry(datei, QStringLiteral("&Beenden"), "Beenden", Qt::CTRL | Qt::Key_X,
                            &Form1::Beenden_Click);

    auto* textnachricht = menuBar()->addMenu(QStringLiteral("&Textnachricht"));
    textnachricht->setObjectName(QStringLiteral("Textnachricht"));
    oeffnen_ = addMenuEntry(textnachricht, QStringLiteral("&Öffnen.."), "Öffnen",
                            Qt::CTRL | Qt::Key_O, &Form1::Öffnen_Click);
    speichern_ = addMenuEntry(textnachricht, QStringLiteral("&Speichern unter.."), "Speichern",
                              Qt::CTRL | Qt::Key_S, &Form1::Speichern_Click);
    annimieren_ = addMenuEntry(textnachricht, QStringLiteral("&Annimieren.."), "Annimieren",
                               Qt::CTRL | Qt::Key_A, &Form1::Annimieren_Click);
    // Additions after the laid-out items. No Ctrl+C: it stays the copy of the text boxes.
    addMenuEntry(textnachricht, QStringLiteral("Bilder &exportieren.."), "BilderExportieren", {},
                 &Form1::BilderExportieren_Click);
    addMenuEntry(textnachricht, QStringLiteral("Bild &kopieren"), "BildKopieren", {},
                 &Form1::BildKopieren_Click);
    addMenuEntry(textnachricht, QStringLiteral("&Zeichen ersetzen"), "ZeichenErsetzen", {},
                 &Form1::ZeichenErsetzen_Click);
    buildNationalMenu(textnachricht);

    addMenuEntry(menuBar(), QStringLiteral("&Info"), "Info", {}, &Form1::Info_Click);
}

void Form1::buildNationalMenu(QMenu* textnachricht) {
    auto* menu = textnachricht->addMenu(QStringLiteral("&Landessprache"));
    menu->setObjectName(QStringLiteral("Landessprache"));
    const std::tuple<const char*, const char*, int> entries[] = {
        {"&keine", "Keine", 0},
        {"&Spanisch", "Spanisch", kSpanish},
        {"&Portugiesisch", "Portugiesisch", kPortuguese},
        {"&Türkisch", "Türkisch", kTurkish}};
    for (const auto& [caption, name, language] : entries) {
        auto* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, language = language] { Landessprache_Click(language); });
        nationalEntries_[static_cast<std::size_t>(language)] = action;
    }
    nationalEntries_[0]->setChecked(true);
}

void Form1::nameControls() {
    // What a screen reader says for each control that takes the focus: captions that say
    // what a control is ("Absätze") speak for themselves; these do not.
    bild1_->setAccessibleName(QStringLiteral("Handydisplay"));
    text1_[0]->widget()->setAccessibleName(QStringLiteral("Nachricht"));
    text1_[1]->widget()->setAccessibleName(QStringLiteral("Nachricht mit Absätzen"));
    text3_->setAccessibleName(QStringLiteral("Verfügbare Zeichen"));
    text6_->setAccessibleName(QStringLiteral("Bildnummer"));
    command2_->setAccessibleName(QStringLiteral("Vorheriges Bild"));
    command1_->setAccessibleName(QStringLiteral("Nächstes Bild"));
    text4_->setAccessibleName(QStringLiteral("Sonderzeichen"));
    text2_->setAccessibleName(QStringLiteral("Maximale Nachrichtenlänge"));
    label3_->setAccessibleName(QStringLiteral("Verbleibende Buchstaben"));
}

void Form1::buildTabOrder() {
    // By tab index; labels and the frame take no focus and are left out.
    QWidget* order[] = {text2_,
                        text3_,
                        text4_,
                        bild1_,
                        check1_,
                        text6_,
                        command2_,
                        command1_,
                        text1_[0]->widget(),
                        text1_[1]->widget()};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void Form1::connectHandlers() {
    for (int i = 0; i < 2; ++i) {
        connect(text1_[i], &MessageEdit::changed, this, [this, i] { Text1_Change(i); });
        connect(text1_[i], &MessageEdit::foreignCharacters, this,
                [this](const QString& characters) {
                    statusBar()->showMessage(foreignCharactersNote(characters));
                });
        connect(text1_[i], &MessageEdit::lengthLimited, this, [this, i](qsizetype refused) {
            statusBar()->showMessage(lengthLimitNote(text1_[i]->maxLength(), refused));
            beep();
        });
        connect(text1_[i], &MessageEdit::doubleClicked, this, [this, i] { Text1_DblClick(i); });
    }
    connect(text2_, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(text2_, &QLineEdit::inputRejected, this, &Form1::beep);
    connect(check1_, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form1::Command2_Click);
    frame1_->installEventFilter(this);

    // Ctrl+C copies the picture where no text box claims it: on the display itself.
    auto* copyDisplay = new QAction(bild1_);
    copyDisplay->setShortcut(QKeySequence::Copy);
    copyDisplay->setShortcutContext(Qt::WidgetShortcut);
    bild1_->addAction(copyDisplay);
    connect(copyDisplay, &QAction::triggered, this, &Form1::BildKopieren_Click);

    // Text boxes claim Ctrl+X, Ctrl+A and others for themselves; the menu's shortcuts act
    // in the whole window.
    for (QWidget* box : {text1_[0]->widget(), text1_[1]->widget(), static_cast<QWidget*>(text2_),
                         static_cast<QWidget*>(text3_), static_cast<QWidget*>(text4_),
                         static_cast<QWidget*>(text6_)})
        box->installEventFilter(this);
}

void Form1::placeClearOfDisplay(QWidget& dialog) const {
    // A window not shown yet has no frame; the main window's tells how large it will be.
    const QSize frame = frameGeometry().size() - size();
    const QRect display(bild1_->mapToGlobal(QPoint(0, 0)), bild1_->size());
    dialog.move(placeClearOf(screen()->availableGeometry(), frameGeometry(), display,
                             dialog.size() + frame));
}

bool Form1::Form_Load() {
    const QString hint = QStringLiteral("Bitte eine andere Telefondefinition (*.bsd) wählen.");
    std::string path = findDefaultPhone(dataDir_);
    while (!applyPhone(path, hint)) {
        path = choosePhone_ ? choosePhone_() : std::string();
        if (path.empty())
            return false;
    }
    state_.PosY = 1.0f;
    state_.PosX = 1;
    state_.Absaetze = false;
    state_.AktuellerText = 0;
    bild1_->surface().setBackColor(state_.Hintergrundfarbe);
    bild1_->update();
    return true;
}

bool Form1::loadPhone(const std::string& path) {
    return applyPhone(path, QString());
}

bool Form1::applyPhone(const std::string& path, const QString& hint) {
    const Result<PhoneLists> result = ZeichensatzLaden(state_, path);
    if (!result) {
        QString text = QString::fromStdString(result.error().reason);
        if (!hint.isEmpty())
            text += QStringLiteral("\n\n") + hint;
        boxes_.warn(this, text);
        return false;
    }
    lists_ = *result;
    glyphKinds_ = glyphKinds(lists_);
    text3_->setPlainText(fromCp1252(lists_.verfuegbar));
    text4_->setText(fromCp1252(lists_.sonder));
    text4_->setCursorPosition(0); // show the start of the list
    check1_->setVisible(lists_.absaetzeErlaubt);
    setWindowTitle(QStringLiteral("Simulator für:  ") + QString::fromStdString(state_.Telefonname));

    fitOnScreen();
    // A phone without paragraphs cannot show the paragraph box's breaks: leave it as
    // answering Ja to the paragraph question does, without asking.
    if (!lists_.absaetzeErlaubt && state_.AktuellerText == 1) {
        const QSignalBlocker noQuestion(check1_);
        check1_->setChecked(false);
        leaveParagraphMode();
    }
    return true;
}

void Form1::fitOnScreen() {
    const QRect area = screenArea_();
    // Before the first show the window manager has drawn no frame yet.
    const QMargins frame =
        isVisible() && windowHandle() ? windowHandle()->frameMargins() : kUnknownFrame;
    const auto columns = static_cast<int>(std::ceil(state_.Displaybreite));
    const auto rows = static_cast<int>(std::ceil(state_.Displayhoehe));
    for (const QSize display : displaySizesToTry(displayPictureSize(state_), columns, rows)) {
        showDisplayAt(display);
        const QSize framed = size().grownBy(frame);
        if (framed.width() <= area.width() && framed.height() <= area.height())
            break;
    }
    move(placeInside(area, size().grownBy(frame),
                     placed_ ? std::optional(frameGeometry().topLeft()) : std::nullopt));
    placed_ = true;
}

void Form1::showDisplayAt(QSize display) {
    // Centred by the window's outer width, and scaled so that one logical unit is one
    // display pixel.
    makeRoomForDisplay(display);
    const double outerWidth =
        kClientWidthTwips + kOuterFrameTwips + grown_.width() * kTwipsPerPixel;
    bild1_->move(twipsToPixels((outerWidth - display.width() * kTwipsPerPixel) / 2),
                 twipsToPixels(kBild1TopTwips));
    bild1_->resizeDisplay(display, state_.Displaybreite, state_.Displayhoehe);
}

int Form1::laidOutControlsTop() const {
    int top = client_->height();
    for (const QWidget* control : client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != bild1_)
            top = std::min(top, control->y() - grown_.height());
    return top;
}

void Form1::makeRoomForDisplay(QSize display) {
    const QSize laidOut = twipsSize(kClientWidthTwips, kClientHeightTwips);
    const QSize excess = displayExcess(
        display, {laidOut.width(), twipsToPixels(kClientWidthTwips + kOuterFrameTwips),
                  twipsToPixels(kBild1TopTwips), laidOutControlsTop()});
    const int down = excess.height() - grown_.height();
    for (QWidget* control : client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != bild1_)
            control->move(control->x(), control->y() + down);
    grown_ = excess;
    client_->setFixedSize(laidOut + excess);
    layout()->activate(); // the window takes its new size now, not later
}

MessageEdit& Form1::currentBox() {
    return *text1_[state_.AktuellerText == 1 ? 1 : 0];
}

const MessageEdit& Form1::currentBox() const {
    return *text1_[state_.AktuellerText == 1 ? 1 : 0];
}

void Form1::beep() {
    QApplication::beep();
    emit beeped();
}

const std::string& Form1::messageText() const {
    return currentBox().text();
}

void Form1::setMessageText(std::string cp1252) {
    currentBox().setText(std::move(cp1252));
}

QString Form1::text6() const {
    return text6_->text();
}

void Form1::setText6(const QString& text) {
    text6_->setText(text);
}

void Form1::DisplayZeichnen() {
    const RenderResult result =
        smssim::DisplayZeichnen(state_, currentBox().text(), bild1_->surface());
    bild1_->update();
    showSmsStatus(result.bildanzahl);
    // While Text2 holds no valid number the counter stays as it is.
    if (const auto maximum = parseMaximum(text2_->text().toStdString()))
        label3_->setText(QString::fromStdString(lettersLeftText(*maximum, result.laenge)));
}

void Form1::showSmsStatus(std::int32_t bildanzahl) {
    const std::string& text = currentBox().text();
    // The picture drawn, which the animation window may have chosen without Text6.
    const auto picture =
        static_cast<std::int32_t>(std::lround(-state_.Bildversatz / state_.Bildhoehe)) + 1;
    const SmsStatus status = smsStatus(smsCost(text, national_), smartReplacement(text, national_),
                                       glyphFindings(text, glyphKinds_), picture, bildanzahl);
    statusBar()->clearMessage();
    smsStatus_->setText(status.text);
    smsStatus_->setToolTip(status.toolTip);
    QStringList lines;
    for (const DisplayLine& line : pictureLines(state_, text, picture))
        lines << fromCp1252(line.text);
    bild1_->setAccessibleDescription(lines.join(u'\n'));
}

void Form1::Bildtest() {
    smssim::Bildtest(state_, bild1_->surface());
    bild1_->update();
}

void Form1::ZeichenErsetzen_Click() {
    MessageEdit& box = currentBox();
    if (const SmartReplacement smart = smartReplacement(box.text(), national_);
        !smart.replaced.empty())
        box.replaceByEdit(smart.text);
    box.widget()->setFocus();
}

void Form1::Landessprache_Click(int language) {
    // "keine" turns every language off, and turning the last one off is "keine" again.
    if (language == 0)
        national_ = {};
    else if (nationalEntries_[static_cast<std::size_t>(language)]->isChecked())
        national_ = national_.with(language);
    else
        national_ = national_.without(language);
    for (int l = 0; l < kLanguageCount; ++l)
        nationalEntries_[static_cast<std::size_t>(l)]->setChecked(l == 0 ? national_.none()
                                                                         : national_.has(l));
    DisplayZeichnen();
}

void Form1::Text1_Change(int) {
    DisplayZeichnen();
}

void Form1::Text1_DblClick(int) {
    MessageEdit& box = currentBox();
    box.select(0, box.text().size());
    box.widget()->setFocus();
}

void Form1::Text2_Change() {
    // While Text2 holds no valid number the last valid maximum stays in force.
    const auto maximum = parseMaximum(text2_->text().toStdString());
    if (!maximum)
        return;
    const auto limit = toLong(*maximum);
    if (!limit)
        return;
    // Both boxes: a limit that the window does not show would stop typing in the other.
    for (MessageEdit* box : text1_)
        box->setMaxLength(*limit);
    label3_->setText(QString::fromStdString(lettersLeftText(*maximum, currentBox().text().size())));
}

void Form1::Check1_Click() {
    if (check1_->isChecked()) {
        switchMessageBox(1, text1_[0]->text());
    } else {
        const auto answer = boxes_.ask(this, QStringLiteral("Sollen alle Absätze gelöscht werden?"),
                                       QStringLiteral("Achtung!"), MessageBoxes::Buttons::YesNo,
                                       MessageBoxes::Icon::Critical);
        if (answer == MessageBoxes::Answer::Yes) {
            leaveParagraphMode();
        } else {
            const QSignalBlocker noSecondSwitch(check1_);
            check1_->setChecked(true);
        }
    }
    DisplayZeichnen();
}

void Form1::leaveParagraphMode() {
    const std::string s = text1_[1]->text();
    state_.Textlaenge = static_cast<std::int32_t>(
        std::min<std::size_t>(s.size(), std::numeric_limits<std::int32_t>::max()));
    switchMessageBox(0, removeParagraphBreaks(s));
}

void Form1::switchMessageBox(int box, std::string text) {
    text1_[1 - box]->widget()->setVisible(false);
    state_.Absaetze = box == 1;
    state_.AktuellerText = box;
    text1_[box]->widget()->setVisible(true);
    text1_[box]->setText(std::move(text));
    text1_[box]->widget()->setFocus();
}

void Form1::Command1_Click() {
    const auto n = parseNumber(text6_->text().toStdString());
    if (n && *n < state_.Bildanzahl)
        showPicture(*n + 1);
    currentBox().widget()->setFocus();
}

void Form1::Command2_Click() {
    const auto n = parseNumber(text6_->text().toStdString());
    if (n && *n > 1)
        showPicture(*n - 1);
    currentBox().widget()->setFocus();
}

void Form1::showPicture(double number) {
    setText6(QString::fromStdString(numberToText(number)));
    // The offset follows the number as Text6 now holds it.
    const double shown = parseNumber(text6_->text().toStdString()).value_or(1);
    state_.Bildversatz = bildversatzFuer(shown, state_.Bildhoehe);
    DisplayZeichnen();
}

void Form1::Frame1_DblClick() {
    MessageEdit& box = currentBox();
    if (box.text() == "Displaytest") {
        box.setText(std::string());
        Bildtest();
    }
}

void Form1::Annimieren_Click() {
    Form4 form4(*this, this);
    // The pictures it steps through stay in view.
    placeClearOfDisplay(form4);
    form4.exec();
}

void Form1::Info_Click() {
    boxes_.ask(this, kInfoText, QGuiApplication::applicationDisplayName(),
               MessageBoxes::Buttons::Ok, MessageBoxes::Icon::None);
}

void Form1::Beenden_Click() {
    close();
}

void Form1::closeEvent(QCloseEvent* event) {
    const std::string& text = messageText();
    if (!text.empty() && text != keptText_ &&
        boxes_.ask(this, QStringLiteral("Die Nachricht ist nicht gespeichert. Trotzdem beenden?"),
                   QStringLiteral("Achtung"), MessageBoxes::Buttons::YesNoDefaultNo,
                   MessageBoxes::Icon::Question) != MessageBoxes::Answer::Yes) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool Form1::event(QEvent* event) {
    activateWhenUnblocked(*this, *event);
    return QMainWindow::event(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : {beenden_, oeffnen_, speichern_, annimieren_}) {
            if (action->shortcut() == pressed) {
                // Not accepted: the shortcut map then triggers the menu item.
                event->ignore();
                return true;
            }
        }
    }
    if (event->type() == QEvent::KeyPress &&
        (watched == text1_[0]->widget() || watched == text1_[1]->widget())) {
        // Bild Nr. is locked: the pages of a long message are turned from the message box.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::MoveToNextPage)) {
            Command1_Click();
            return true;
        }
        if (key->matches(QKeySequence::MoveToPreviousPage)) {
            Command2_Click();
            return true;
        }
    }
    if (watched == frame1_ && event->type() == QEvent::MouseButtonDblClick) {
        // Labels pass their mouse events on to the frame; only the frame's own area counts.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!frame1_->childAt(at))
            Frame1_DblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace smssim
