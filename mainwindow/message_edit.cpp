#include "message_edit.h"

#include "cp1252.h"
#include "line_ends.h"

#include <QEvent>
#include <QFont>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>
#include <utility>

namespace smssim {

namespace message_text {

namespace {

constexpr char16_t kFirstControlPicture = 0x2400; // U+2400..U+241F stand for codes 0..31
constexpr char16_t kDeletePicture = 0x2421;

bool isBreakAt(std::string_view text, std::size_t i, bool multiLine) {
    return multiLine && crLfAt(text, i);
}

QChar shownChar(std::uint8_t code) {
    if (code < 32 && code != '\t')
        return QChar(static_cast<char16_t>(kFirstControlPicture + code));
    if (code == 127)
        return QChar(kDeletePicture);
    return QChar(static_cast<char16_t>(cp1252ToUnicode(code)));
}

} // namespace

QString toDisplay(std::string_view canonical, bool multiLine) {
    QString shown;
    shown.reserve(static_cast<qsizetype>(canonical.size()));
    for (std::size_t i = 0; i < canonical.size(); ++i) {
        if (isBreakAt(canonical, i, multiLine)) {
            shown += QChar(QChar::ParagraphSeparator);
            ++i;
        } else {
            shown += shownChar(static_cast<std::uint8_t>(canonical[i]));
        }
    }
    return shown;
}

std::string fromDisplay(QStringView shown, std::size_t limit, QString* foreign) {
    std::string out;
    const auto append = [&](std::string_view unit) {
        if (out.size() + unit.size() > limit)
            return false;
        out += unit;
        return true;
    };
    for (qsizetype i = 0; i < shown.size(); ++i) {
        char32_t c = shown[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < shown.size() && shown[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(shown[i].unicode(), shown[i + 1].unicode());
            ++i;
        }

        std::string unit;
        if (c == '\r' && i + 1 < shown.size() && shown[i + 1] == u'\n') {
            unit = "\r\n";
            ++i;
        } else if (c == '\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            unit = "\r\n";
        } else if (c >= kFirstControlPicture && c < kFirstControlPicture + 32) {
            unit = static_cast<char>(c - kFirstControlPicture);
        } else if (c == kDeletePicture) {
            unit = static_cast<char>(127);
        } else {
            const auto code = unicodeToCp1252(c);
            unit = code ? static_cast<char>(*code) : '?';
            if (!code && foreign) {
                const QString character = QString::fromUcs4(&c, 1);
                if (!foreign->contains(character))
                    *foreign += character;
            }
        }
        if (!append(unit))
            break;
    }
    return out;
}

int displayIndex(std::string_view canonical, std::size_t canonicalIndex, bool multiLine) {
    int shown = 0;
    std::size_t i = 0;
    while (i < canonicalIndex && i < canonical.size()) {
        i += isBreakAt(canonical, i, multiLine) ? 2 : 1;
        ++shown;
    }
    return shown;
}

std::size_t canonicalIndex(std::string_view canonical, int displayIndex, bool multiLine) {
    std::size_t i = 0;
    for (int shown = 0; shown < displayIndex && i < canonical.size(); ++shown)
        i += isBreakAt(canonical, i, multiLine) ? 2 : 1;
    return i;
}

} // namespace message_text

namespace {

// Without shaping and kerning Qt lays a line of 100,000 characters out more than twice as
// fast; every keystroke lays the whole line out again. Family and size still come
// from the window.
QFont unshapedFont() {
    QFont font;
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    return font;
}

} // namespace

MessageEdit::MessageEdit(Kind kind, QWidget* parent) : kind_(kind) {
    if (kind == Kind::SingleLine) {
        line_ = new QLineEdit(parent);
        // The limit is ours (maxLength_); Qt's own would truncate assigned text.
        line_->setMaxLength(std::numeric_limits<int>::max());
        line_->setFont(unshapedFont());
        line_->installEventFilter(this);
        setParent(line_);
        connect(line_, &QLineEdit::textChanged, this, &MessageEdit::onWidgetEdited);
    } else {
        plain_ = new QPlainTextEdit(parent);
        plain_->setTabChangesFocus(true);
        plain_->setFont(unshapedFont());
        plain_->viewport()->installEventFilter(this);
        setParent(plain_);
        connect(plain_, &QPlainTextEdit::textChanged, this, &MessageEdit::onWidgetEdited);
    }
}

QWidget* MessageEdit::widget() const {
    if (line_)
        return line_;
    return plain_;
}

namespace message_text {

EditedSpan editedSpan(QStringView before, QStringView after, qsizetype cursor) {
    const auto growth = after.size() - before.size();
    const auto common = std::min(after.size(), before.size());
    // The prefix may not pass the caret, so typing into a run of equal letters is placed
    // where the caret is.
    const auto prefixMax =
        std::clamp<qsizetype>(cursor - std::max<qsizetype>(growth, 0), 0, common);
    qsizetype prefix = 0;
    while (prefix < prefixMax && after[prefix] == before[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix &&
           after[after.size() - 1 - suffix] == before[before.size() - 1 - suffix])
        ++suffix;
    return {prefix, suffix};
}

} // namespace message_text

QString MessageEdit::widgetText() const {
    return line_ ? line_->text() : plain_->document()->toRawText();
}

void MessageEdit::showText(const QString& shown, int cursor) {
    syncing_ = true;
    if (line_) {
        line_->setText(shown);
        line_->setCursorPosition(cursor);
    } else {
        plain_->setPlainText(shown);
        QTextCursor c(plain_->document());
        c.setPosition(std::min(cursor, plain_->document()->characterCount() - 1));
        plain_->setTextCursor(c);
    }
    syncing_ = false;
    shown_ = widgetText();
}

void MessageEdit::setText(std::string cp1252) {
    text_ = std::move(cp1252);
    // The caret goes to the start, as after any assignment to a text box's Text.
    showText(message_text::toDisplay(text_, kind_ == Kind::MultiLine), 0);
    emit changed();
}

void MessageEdit::replaceByEdit(const std::string& cp1252) {
    const std::int32_t limit = std::exchange(maxLength_, 0);
    const QString shown = message_text::toDisplay(cp1252, kind_ == Kind::MultiLine);
    if (line_) {
        line_->selectAll();
        line_->insert(shown);
    } else {
        QTextCursor all(plain_->document());
        all.select(QTextCursor::Document);
        all.insertText(shown);
    }
    maxLength_ = limit;
}

void MessageEdit::onWidgetEdited() {
    if (syncing_)
        return;
    const QString now = widgetText();
    if (now == shown_)
        return;
    const bool multiLine = kind_ == Kind::MultiLine;

    const int cursor = line_ ? line_->cursorPosition() : plain_->textCursor().position();
    const auto [prefix, suffix] = message_text::editedSpan(shown_, now, cursor);

    const std::size_t start =
        message_text::canonicalIndex(text_, static_cast<int>(prefix), multiLine);
    const std::size_t end =
        message_text::canonicalIndex(text_, static_cast<int>(shown_.size() - suffix), multiLine);
    const std::size_t kept = text_.size() - (end - start);
    std::size_t room = std::string::npos;
    if (maxLength_ > 0) {
        const auto limit = static_cast<std::size_t>(maxLength_);
        room = limit > kept ? limit - kept : 0;
    }
    QString foreign;
    const QStringView typed = QStringView(now).mid(prefix, now.size() - suffix - prefix);
    const std::string inserted = message_text::fromDisplay(typed, room, &foreign);
    const std::size_t refused =
        room == std::string::npos ? 0 : message_text::fromDisplay(typed).size() - inserted.size();
    std::string next = text_.substr(0, start) + inserted + text_.substr(end);

    const QString shownNext = message_text::toDisplay(next, multiLine);
    if (shownNext != now)
        showText(shownNext, message_text::displayIndex(next, start + inserted.size(), multiLine));
    else
        shown_ = now;
    if (next != text_) {
        text_ = std::move(next);
        emit changed();
    }
    if (!foreign.isEmpty())
        emit foreignCharacters(foreign);
    if (refused > 0)
        emit lengthLimited(static_cast<qsizetype>(refused));
}

void MessageEdit::select(std::size_t start, std::size_t length) {
    const bool multiLine = kind_ == Kind::MultiLine;
    const int from = message_text::displayIndex(text_, start, multiLine);
    const int to = message_text::displayIndex(text_, start + length, multiLine);
    if (line_) {
        line_->setSelection(from, to - from);
    } else {
        QTextCursor c(plain_->document());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        plain_->setTextCursor(c);
    }
}

std::size_t MessageEdit::selectionStart() const {
    const int shown =
        line_ ? (line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition())
              : plain_->textCursor().selectionStart();
    return message_text::canonicalIndex(text_, shown, kind_ == Kind::MultiLine);
}

std::size_t MessageEdit::selectionLength() const {
    const bool multiLine = kind_ == Kind::MultiLine;
    int from = 0;
    int to = 0;
    if (line_) {
        from = line_->selectionStart();
        to = line_->selectionEnd();
        if (from < 0)
            return 0;
    } else {
        from = plain_->textCursor().selectionStart();
        to = plain_->textCursor().selectionEnd();
    }
    return message_text::canonicalIndex(text_, to, multiLine) -
           message_text::canonicalIndex(text_, from, multiLine);
}

bool MessageEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        watched == (line_ ? static_cast<QObject*>(line_) : plain_->viewport())) {
        // The handler selects the whole text; the widget's own word selection would
        // only be overwritten.
        emit doubleClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace smssim
