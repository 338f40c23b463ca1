#include "form4.h"

#include "fonts.h"
#include "numbers.h"
#include "renderer.h"
#include "twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace smssim {

namespace {

constexpr std::int32_t kLargestCycle = 32767;

double asNumber(const QString& text) {
    // Only the program writes these boxes, always with a number.
    return parseNumber(text.toStdString()).value_or(0);
}

QString asText(double value) {
    return QString::fromStdString(numberToText(value));
}

QString asText(const Form4::Nummer& nummer) {
    if (const auto* text = std::get_if<QString>(&nummer))
        return *text;
    return asText(std::get<double>(nummer));
}

QLineEdit* lockedBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QLineEdit(QStringLiteral("2"), parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setGeometry(geometry);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    return b;
}

} // namespace

Form4::Form4(AnimationHost& host, QWidget* parent) : ModalWindow(parent), host_(host) {
    buildControls();
    connectHandlers();
    Form_Load();
}

void Form4::buildControls() {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Annimation"));
    setFont(layoutFont());
    setFixedSize(twipsToPixels(3375), twipsToPixels(1950));

    command1_ = button(this, "Command1", QStringLiteral("Zappen"), twipsRect(120, 240, 1455, 495));
    command2_ = button(this, "Command2", QStringLiteral("Beenden"), twipsRect(120, 960, 1455, 495));

    frame1_ = new QGroupBox(QStringLiteral("Bilderanzahl :"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipsRect(1920, 120, 1215, 855));
    bilder_ = lockedBox(frame1_, "Bilder", twipsRect(360, 240, 495, 315));
    command3_ = button(frame1_, "Command3", QStringLiteral("-"), twipsRect(360, 600, 255, 165));
    command4_ = button(frame1_, "Command4", QStringLiteral("+"), twipsRect(600, 600, 255, 165));

    frame2_ = new QGroupBox(QStringLiteral("Bildernummer:"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setGeometry(twipsRect(1920, 1080, 1215, 735));
    aktuellesBild_ = lockedBox(frame2_, "aktuellesBild", twipsRect(360, 240, 495, 315));

    for (auto* small : {command3_, command4_})
        small->setStyleSheet(QStringLiteral("padding: 0px"));

    // For screen readers; the boxes and the small buttons do not say what they are.
    bilder_->setAccessibleName(QStringLiteral("Bilderanzahl"));
    command3_->setAccessibleName(QStringLiteral("Weniger Bilder"));
    command4_->setAccessibleName(QStringLiteral("Mehr Bilder"));
    aktuellesBild_->setAccessibleName(QStringLiteral("Bildnummer"));
    // Tab order by tab index; the frames take no focus.
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, bilder_);
    setTabOrder(bilder_, command3_);
    setTabOrder(command3_, command4_);
    setTabOrder(command4_, aktuellesBild_);

    command1_->setDefault(true);
    command1_->setFocus();
}

void Form4::connectHandlers() {
    connect(command1_, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(command4_, &QPushButton::clicked, this, &Form4::Command4_Click);
}

void Form4::Form_Load() {
    zappNummer_ = host_.text6();
    zappAnzahl_ = host_.state().Bildanzahl;
    bilder_->setText(asText(zappAnzahl_));
    aktuellesBild_->setText(asText(zappNummer_));
}

void Form4::Command1_Click() {
    double nummer = std::holds_alternative<QString>(zappNummer_)
                        ? asNumber(std::get<QString>(zappNummer_))
                        : std::get<double>(zappNummer_);
    nummer += 1;
    if (nummer > zappAnzahl_)
        nummer = 1;
    zappNummer_ = nummer;
    Module1& state = host_.state();
    state.Bildversatz = bildversatzFuer(nummer, state.Bildhoehe);
    host_.DisplayZeichnen();
    aktuellesBild_->setText(asText(nummer));
}

void Form4::Command2_Click() {
    host_.setText6(asText(zappNummer_));
    accept();
}

void Form4::reject() {
    Module1& state = host_.state();
    state.Bildversatz =
        bildversatzFuer(parseNumber(host_.text6().toStdString()).value_or(1), state.Bildhoehe);
    host_.DisplayZeichnen();
    ModalWindow::reject();
}

void Form4::Command3_Click() {
    const double n = asNumber(bilder_->text());
    if (n > 2) {
        bilder_->setText(asText(n - 1));
        zappAnzahl_ = toLong(asNumber(bilder_->text())).value_or(zappAnzahl_);
    }
}

void Form4::Command4_Click() {
    const double n = asNumber(bilder_->text());
    if (n + 1 > kLargestCycle)
        return;
    bilder_->setText(asText(n + 1));
    zappAnzahl_ = toLong(asNumber(bilder_->text())).value_or(zappAnzahl_);
}

} // namespace smssim
