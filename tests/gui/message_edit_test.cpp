// The message boxes keep the exact Windows-1252 text while Qt's widgets show it.

#include "message_edit.h"

#include <QFont>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <tuple>

namespace smssim {
namespace {

using Kind = MessageEdit::Kind;
namespace mt = message_text;

TEST(MessageTextMapping, ShownPerBoxAndReadBackUnchanged) {
    // The canonical text, as the single-line box shows it, and as the paragraph box does.
    const std::tuple<std::string, std::u16string, std::u16string> rows[] = {
        {"a\r\nb", u"a\u240d\u240ab", u"a\u2029b"},
        {"a\rb\nc", u"a\u240db\u240ac", u"a\u240db\u240ac"},
        {"\r\r\n\n", u"\u240d\u240d\u240a\u240a", u"\u240d\u2029\u240a"},
        {std::string("\x00\x01\t\x1f\x7f\x80\xa0\xe4\xff\x81", 10),
         u"\u2400\u2401\t\u241f\u2421\u20ac\u00a0\u00e4\u00ff\u0081",
         u"\u2400\u2401\t\u241f\u2421\u20ac\u00a0\u00e4\u00ff\u0081"}};
    for (const auto& [canonical, singleLine, multiLine] : rows) {
        for (const bool multi : {false, true}) {
            const QString shown = mt::toDisplay(canonical, multi);
            EXPECT_EQ(shown.toStdU16String(), multi ? multiLine : singleLine) << canonical;
            EXPECT_EQ(mt::fromDisplay(shown), canonical) << "multiLine " << multi;
        }
    }
    // Typed or pasted: what Windows-1252 cannot hold is '?', every kind of line break CR LF.
    EXPECT_EQ(mt::fromDisplay(QString::fromUtf16(u"\u20ac\u00e4\u0101\U0001F600")), "\x80\xe4??");
    EXPECT_EQ(mt::fromDisplay(QString::fromUtf16(u"a\nb\r\nc\u2028d\u2029e\rf")),
              "a\r\nb\r\nc\r\nd\r\ne\rf");
    // A lone low surrogate, and the first code past the control pictures.
    EXPECT_EQ(mt::fromDisplay(QString("a") + QChar(0xDC00) + QChar(0x2420)), "a??");

    // The span an edit replaced (before, after, caret after it): in a run of equal letters
    // it lies at the caret.
    const std::tuple<const char16_t*, const char16_t*, int, mt::EditedSpan> edits[] = {
        {u"aaaa", u"aaxaa", 3, {2, 2}}, {u"aaaa", u"aaaaa", 1, {0, 4}},
        {u"abc", u"abcd", 4, {3, 0}},   {u"abcd", u"ad", 1, {1, 1}},
        {u"abcd", u"aXd", 2, {1, 1}},   {u"", u"xyz", 3, {0, 0}}};
    for (const auto& [before, after, caret, span] : edits)
        EXPECT_EQ(mt::editedSpan(QString::fromUtf16(before), QString::fromUtf16(after), caret),
                  span)
            << QString::fromUtf16(after).toStdString();
}

class MessageEditTest : public ::testing::TestWithParam<Kind> {
  protected:
    void SetUp() override {
        box = new MessageEdit(GetParam(), &window);
        box->widget()->setGeometry(0, 0, 300, 100);
        window.show();
        box->widget()->setFocus();
        changes = std::make_unique<QSignalSpy>(box, &MessageEdit::changed);
    }

    QLineEdit* line() const { return qobject_cast<QLineEdit*>(box->widget()); }
    QPlainTextEdit* plain() const { return qobject_cast<QPlainTextEdit*>(box->widget()); }
    QString shown() const { return line() ? line()->text() : plain()->document()->toRawText(); }
    void toEnd() { line() ? line()->end(false) : plain()->moveCursor(QTextCursor::End); }
    void key(Qt::Key k, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(box->widget(), k);
    }
    void type(const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box->widget(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }

    QWidget window;
    MessageEdit* box = nullptr;
    std::unique_ptr<QSignalSpy> changes;
};

TEST_P(MessageEditTest, EditsTheCanonicalTextWhereTheCaretIs) {
    box->setText("yz");
    type(QStringLiteral("x"));
    EXPECT_EQ(box->text(), "xyz") << "an assignment puts the caret at the start";

    box->setText("");
    changes->clear();
    type(QString::fromUtf16(u"A\u20ac\u0101z"));
    EXPECT_EQ(box->text(), "A\x80?z");
    EXPECT_EQ(changes->count(), 4);
    EXPECT_EQ(shown(), QString::fromUtf16(u"A\u20ac?z")) << "the widget shows the stored '?'";
    key(Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "A\x80?");

    box->setText("a\r\nb\rc");
    toEnd();
    key(Qt::Key_Left);
    key(Qt::Key_Backspace); // removes the lone CR
    type(QStringLiteral("x"));
    EXPECT_EQ(box->text(), "a\r\nbxc");

    box->setText("aaaa");
    toEnd();
    key(Qt::Key_Left, 2);
    type(QString::fromUtf16(u"\u0101b"));
    EXPECT_EQ(box->text(), "aa?baa") << "typed into a run of equal letters at the caret";

    if (plain()) { // Enter is CR LF, and only where both fit
        toEnd();
        key(Qt::Key_Return);
        QTest::keyClick(box->widget(), Qt::Key_Return, Qt::ShiftModifier);
        box->setMaxLength(11);
        key(Qt::Key_Return);
        EXPECT_EQ(box->text(), "aa?baa\r\n\r\n");
    }
}

TEST_P(MessageEditTest, MaxLength) {
    QSignalSpy cuts(box, &MessageEdit::lengthLimited);
    box->setMaxLength(3);
    type(QStringLiteral("abcde"));
    EXPECT_EQ(box->text(), "abc");
    EXPECT_EQ(shown(), QStringLiteral("abc"));
    EXPECT_EQ(changes->count(), 3) << "refused keys change nothing";
    key(Qt::Key_Home);
    type(QStringLiteral("a"));
    EXPECT_EQ(box->selectionStart(), 0u) << "a refused key leaves the caret";

    box->setMaxLength(5);
    toEnd();
    line() ? line()->insert(QStringLiteral("defg")) : plain()->insertPlainText("defg");
    EXPECT_EQ(box->text(), "abcde") << "inserted text is cut";
    EXPECT_EQ(shown(), QStringLiteral("abcde"));

    box->setText(std::string(200, 'x'));
    box->setMaxLength(0);
    toEnd();
    type(QStringLiteral("yz"));
    EXPECT_EQ(box->text().size(), 202u) << "0 is no limit";
    box->setMaxLength(3);
    type(QStringLiteral("x"));
    EXPECT_EQ(shown().size(), 202) << "a limit below the text shortens nothing";
    key(Qt::Key_Backspace);
    EXPECT_EQ(box->text().size(), 201u) << "deleting still works";
    QStringList refused;
    for (const QList<QVariant>& cut : cuts)
        refused << cut[0].toString();
    EXPECT_EQ(refused.join(' '), "1 1 1 2 1") << "each cut edit tells what it cut, once";
    box->setText("");
    box->setMaxLength(1);
    type(QStringLiteral("ab"));
    EXPECT_EQ(box->text(), "a");
}

TEST_P(MessageEditTest, SelectionDoubleClickAndFont) {
    const auto selection = [&] {
        return std::to_string(box->selectionStart()) + "+" + std::to_string(box->selectionLength());
    };
    box->setText("ab\r\ncd"); // counted in canonical characters
    box->select(1, 4);
    EXPECT_EQ(selection(), "1+4");
    box->select(0, 6);
    EXPECT_EQ(selection(), "0+6");

    QSignalSpy doubleClicks(box, &MessageEdit::doubleClicked);
    QTest::mouseDClick(line() ? box->widget() : plain()->viewport(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(10, 10));
    EXPECT_EQ(doubleClicks.count(), 1);

    // The window's family and size, but laid out without shaping or kerning.
    const QFont windowFont(QStringLiteral("Liberation Sans"), 11);
    window.setFont(windowFont);
    const QFont font = box->widget()->font();
    EXPECT_EQ(std::tuple(font.family(), font.pointSizeF(), font.kerning()),
              std::tuple(windowFont.family(), 11.0, false));
    EXPECT_TRUE(font.styleStrategy() & QFont::PreferNoShaping);
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageEditTest,
                         ::testing::Values(Kind::SingleLine, Kind::MultiLine),
                         [](const auto& info) {
                             return info.param == Kind::SingleLine ? "SingleLine" : "MultiLine";
                         });

} // namespace
} // namespace smssim
