#pragma once
// Form4 "Annimation": steps through the display pictures of the current message in a
// cycle ("Zappen") and hands the picture number back to the main window ("Beenden").

#include "animation_host.h"
#include "modal_window.h"

#include <QString>
#include <cstdint>
#include <variant>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace smssim {

class Form4 : public ModalWindow {
    Q_OBJECT
  public:
    // Builds the window and runs Form_Load, as loading the window does.
    explicit Form4(AnimationHost& host, QWidget* parent = nullptr);

    // Until the first "Zappen" the text of Text6 as read, afterwards a number.
    using Nummer = std::variant<QString, double>;
    const Nummer& ZappNummer() const { return zappNummer_; }
    // 32-bit so that a message of more pictures than 32767 still opens; "+" stops at
    // 32767 like the 16-bit count it stands for.
    std::int32_t ZappAnzahl() const { return zappAnzahl_; }

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // Escape and the close box: Text6 stays, and the display returns to its picture, so
    // that the main window's picture number and display agree.
    void reject() override;

  private:
    void buildControls();
    void connectHandlers();

    AnimationHost& host_;
    Nummer zappNummer_;
    std::int32_t zappAnzahl_ = 0;

    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QLineEdit* bilder_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QLineEdit* aktuellesBild_ = nullptr;
};

} // namespace smssim
