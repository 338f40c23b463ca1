#pragma once
// A message box of the main window (one element of Text1). Qt's edit widgets do not keep
// the message as the program counts it: QLineEdit truncates on setMaxLength and takes 0
// as "nothing may be typed", QPlainTextEdit folds CR LF, lone CR and lone LF into one
// line break. So the box keeps the exact Windows-1252 text itself (the canonical text)
// and only shows it in the widget:
//   - single-line box: one shown character per byte; control codes appear as their
//     Unicode control pictures (CR as U+240D, LF as U+240A);
//   - multi-line box: the pair CR LF is one line break, everything else as above.
// Every edit in the widget is mapped back onto the canonical text; a typed character
// that Windows-1252 cannot hold becomes "?". changed() is emitted synchronously on every
// change, typed or assigned by code.

#include <QObject>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>
#include <string_view>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace smssim {

namespace message_text {

// The shown form of a canonical text.
QString toDisplay(std::string_view canonical, bool multiLine);

// The canonical form of shown or typed text. A line break (LF, CR LF, U+2028, U+2029)
// becomes CR LF; a lone CR and the control pictures become their control codes, so that
// copying text out of a box and pasting it back gives the same message. Stops before the
// result would exceed `limit` bytes; a line break is never split. The characters that
// became "?" are added to `foreign`, each once, when it is given.
std::string fromDisplay(QStringView shown, std::size_t limit = std::string::npos,
                        QString* foreign = nullptr);

// What an edit of the widget changed: the characters before `prefix` and the last
// `suffix` ones are those of the text before it; the span between was replaced. `cursor`
// is the caret after the edit.
struct EditedSpan {
    qsizetype prefix = 0;
    qsizetype suffix = 0;
    bool operator==(const EditedSpan&) const = default;
};
EditedSpan editedSpan(QStringView before, QStringView after, qsizetype cursor);

// Index conversions between the canonical text and its shown form.
int displayIndex(std::string_view canonical, std::size_t canonicalIndex, bool multiLine);
std::size_t canonicalIndex(std::string_view canonical, int displayIndex, bool multiLine);

} // namespace message_text

class MessageEdit : public QObject {
    Q_OBJECT
  public:
    enum class Kind { SingleLine, MultiLine };

    // Creates its edit widget as a child of `parent`; the object lives as long as the
    // widget.
    MessageEdit(Kind kind, QWidget* parent);

    QWidget* widget() const;
    Kind kind() const { return kind_; }

    // The canonical text in Windows-1252 bytes.
    const std::string& text() const { return text_; }
    // Replaces the text and emits changed() before returning, also when the text is the
    // same as before: an assignment always redraws.
    void setText(std::string cp1252);

    // Replaces the text as an edit in the widget, which Ctrl+Z there undoes; changed() is
    // emitted as for typing, and the maximum length does not cut it.
    void replaceByEdit(const std::string& cp1252);

    // 0 means no limit. A limit below the current length stops typing but shortens
    // nothing; an edit it cuts emits lengthLimited().
    std::int32_t maxLength() const { return maxLength_; }
    void setMaxLength(std::int32_t limit) { maxLength_ = limit < 0 ? 0 : limit; }

    // Selection in canonical characters.
    void select(std::size_t start, std::size_t length);
    std::size_t selectionStart() const;
    std::size_t selectionLength() const;

  signals:
    void changed();
    void doubleClicked();
    // After a change in which typed or pasted characters became "?".
    void foreignCharacters(const QString& characters);
    // After an edit that maxLength() cut: `refused` characters were not taken.
    void lengthLimited(qsizetype refused);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString widgetText() const;
    void showText(const QString& shown, int cursor);
    void onWidgetEdited();

    Kind kind_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    std::string text_;
    QString shown_; // what the widget showed after the last accepted change
    std::int32_t maxLength_ = 0;
    bool syncing_ = false;
};

} // namespace smssim
