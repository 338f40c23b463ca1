#pragma once
// Answers message boxes from a script and records what was asked.

#include "message_boxes.h"

#include <deque>
#include <vector>

namespace smssim::test {

struct AskedBox {
    QString text;
    QString caption;
    MessageBoxes::Buttons buttons;
    MessageBoxes::Icon icon;
};

class ScriptedMessageBoxes : public MessageBoxes {
  public:
    // Answers to give, in order; when none is left, the default button is pressed.
    std::deque<Answer> answers;
    std::vector<AskedBox> asked;

    Answer ask(QWidget*, const QString& text, const QString& caption, Buttons buttons,
               Icon icon) override {
        asked.push_back({text, caption, buttons, icon});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        if (buttons == Buttons::YesNoDefaultNo)
            return Answer::No;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

} // namespace smssim::test
