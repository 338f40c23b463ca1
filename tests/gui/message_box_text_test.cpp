// The message boxes keep the exact Windows-1252 text while Qt's widgets show it.

#include "message_box_text.h"

#include <QFont>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace smssim {
namespace {

using Kind = MessageBoxText::Kind;
namespace mt = message_text;

// --- The mapping between the canonical text and the shown text.

struct RoundTripRow {
    const char* name;
    std::string canonical;
};

class RoundTrip : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(RoundTrip, ShownTextReadsBackUnchangedInBothBoxes) {
    const std::string& canonical = GetParam().canonical;
    for (const bool multiLine : {false, true}) {
        const QString shown = mt::toDisplay(canonical, multiLine);
        EXPECT_EQ(mt::fromDisplay(shown), canonical) << "multiLine " << multiLine;
        if (!multiLine) {
            EXPECT_EQ(static_cast<std::size_t>(shown.size()), canonical.size());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RoundTrip,
    ::testing::Values(RoundTripRow{"empty", ""}, RoundTripRow{"plain", "Hallo Welt"},
                      RoundTripRow{"paragraphs", "a\r\nb\r\n\r\nc\r\n"},
                      RoundTripRow{"lone_cr_and_lf", "a\rb\nc"},
                      RoundTripRow{"cr_before_pair", "\r\r\n\n"},
                      RoundTripRow{"controls", std::string("\x00\x01\t\x1f\x7f", 5)},
                      RoundTripRow{"high_codes", "\x80\xa0\xe4\xff\x81\x9d"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageTextMapping, LineBreaksAreShownPerBox) {
    EXPECT_EQ(mt::toDisplay("a\r\nb", true), QString::fromUtf16(u"a\u2029b"));
    EXPECT_EQ(mt::toDisplay("a\r\nb", false), QString::fromUtf16(u"a\u240d\u240ab"));
    EXPECT_EQ(mt::toDisplay("a\rb\n", true), QString::fromUtf16(u"a\u240db\u240a"));
}

TEST(MessageTextMapping, TypedTextBecomesWindows1252) {
    EXPECT_EQ(mt::fromDisplay(QString::fromUtf16(u"\u20ac\u00e4\u0101\U0001F600")), "\x80\xe4??");
    // Every kind of typed or pasted line break is the paragraph break CR LF.
    EXPECT_EQ(mt::fromDisplay(QString::fromUtf16(u"a\nb\r\nc\u2028d\u2029e")),
              "a\r\nb\r\nc\r\nd\r\ne");
}

// --- The boxes with real widgets.

class MessageBoxTextTest : public ::testing::TestWithParam<Kind> {
  protected:
    void SetUp() override {
        window.resize(300, 100);
        box = new MessageBoxText(GetParam(), &window);
        box->widget()->setGeometry(0, 0, 300, 100);
        window.show();
        box->widget()->setFocus();
        changes = std::make_unique<QSignalSpy>(box, &MessageBoxText::changed);
    }

    QString shown() const {
        if (auto* line = qobject_cast<QLineEdit*>(box->widget()))
            return line->text();
        return qobject_cast<QPlainTextEdit*>(box->widget())->document()->toRawText();
    }

    void moveCaretToEnd() {
        if (auto* line = qobject_cast<QLineEdit*>(box->widget()))
            line->end(false);
        else
            qobject_cast<QPlainTextEdit*>(box->widget())->moveCursor(QTextCursor::End);
    }

    void type(const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box->widget(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }

    QWidget window;
    MessageBoxText* box = nullptr;
    std::unique_ptr<QSignalSpy> changes;
};

TEST_P(MessageBoxTextTest, AssignedTextIsKeptExactlyAndFiresChangeAtOnce) {
    int seenLength = -1;
    QObject::connect(box, &MessageBoxText::changed, box,
                     [&] { seenLength = static_cast<int>(box->text().size()); });
    const std::string text = "Hallo\r\nWelt\rund\nmehr\r\n";
    box->setText(text);
    EXPECT_EQ(seenLength, static_cast<int>(text.size())) << "changed() ran with the new text";
    EXPECT_EQ(box->text(), text);
    box->setText(text);
    EXPECT_EQ(changes->count(), 2) << "an assignment always fires, even of the same text";
}

TEST_P(MessageBoxTextTest, TypingFiresChangePerCharacterAndReplacesForeignCharacters) {
    type(QString::fromUtf16(u"A\u20ac\u0101z"));
    EXPECT_EQ(box->text(), "A\x80?z");
    EXPECT_EQ(changes->count(), 4);
    EXPECT_EQ(shown(), QString::fromUtf16(u"A\u20ac?z")) << "the widget shows the stored '?'";
    QTest::keyClick(box->widget(), Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "A\x80?");
}

TEST_P(MessageBoxTextTest, TypingBetweenLineBreaksEditsTheRightPlace) {
    box->setText("a\r\nb\rc");
    moveCaretToEnd();
    QTest::keyClick(box->widget(), Qt::Key_Left);
    QTest::keyClick(box->widget(), Qt::Key_Backspace); // removes the lone CR
    EXPECT_EQ(box->text(), "a\r\nbc");
    type(QStringLiteral("x"));
    EXPECT_EQ(box->text(), "a\r\nbxc");
}

TEST_P(MessageBoxTextTest, TypingIntoARunOfEqualLettersKeepsTheCaretInPlace) {
    box->setText("aaaa");
    moveCaretToEnd();
    QTest::keyClick(box->widget(), Qt::Key_Left);
    QTest::keyClick(box->widget(), Qt::Key_Left);
    type(QString::fromUtf16(u"\u0101b"));
    EXPECT_EQ(box->text(), "aa?baa");
}

TEST_P(MessageBoxTextTest, MaxLengthStopsTypingAndCutsInsertedText) {
    box->setMaxLength(3);
    type(QStringLiteral("abcde"));
    EXPECT_EQ(box->text(), "abc");
    EXPECT_EQ(shown(), QStringLiteral("abc"));
    EXPECT_EQ(changes->count(), 3) << "refused keys change nothing";

    box->setMaxLength(5);
    if (auto* line = qobject_cast<QLineEdit*>(box->widget()))
        line->insert(QStringLiteral("defg"));
    else
        qobject_cast<QPlainTextEdit*>(box->widget())->insertPlainText(QStringLiteral("defg"));
    EXPECT_EQ(box->text(), "abcde");
    EXPECT_EQ(shown(), QStringLiteral("abcde"));
}

TEST_P(MessageBoxTextTest, MaxLengthZeroOrBelowTheTextShortensNothing) {
    box->setText(std::string(200, 'x'));
    box->setMaxLength(0);
    moveCaretToEnd();
    type(QStringLiteral("yz"));
    EXPECT_EQ(box->text().size(), 202u) << "0 is no limit";

    box->setMaxLength(3);
    EXPECT_EQ(box->text().size(), 202u);
    type(QStringLiteral("x"));
    EXPECT_EQ(box->text().size(), 202u) << "typing stops";
    EXPECT_EQ(shown().size(), 202);
    QTest::keyClick(box->widget(), Qt::Key_Backspace);
    EXPECT_EQ(box->text().size(), 201u) << "deleting still works";
}

TEST_P(MessageBoxTextTest, SelectionCountsCanonicalCharacters) {
    box->setText("ab\r\ncd");
    box->select(0, box->text().size());
    EXPECT_EQ(box->selectionStart(), 0u);
    EXPECT_EQ(box->selectionLength(), 6u);
    box->select(1, 4);
    EXPECT_EQ(box->selectionStart(), 1u);
    EXPECT_EQ(box->selectionLength(), 4u);
}

TEST_P(MessageBoxTextTest, DoubleClickIsReported) {
    QSignalSpy doubleClicks(box, &MessageBoxText::doubleClicked);
    QWidget* target = box->widget();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(target))
        target = plain->viewport();
    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST_P(MessageBoxTextTest, TakesTheWindowsFontButLaysTextOutUnshaped) {
    QFont windowFont(QStringLiteral("Liberation Sans"));
    windowFont.setPointSizeF(8.25);
    window.setFont(windowFont);
    const QFont font = box->widget()->font();
    EXPECT_EQ(font.family(), windowFont.family());
    EXPECT_EQ(font.pointSizeF(), 8.25);
    EXPECT_TRUE(font.styleStrategy() & QFont::PreferNoShaping);
    EXPECT_FALSE(font.kerning());
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxTextTest,
                         ::testing::Values(Kind::SingleLine, Kind::MultiLine),
                         [](const auto& info) {
                             return info.param == Kind::SingleLine ? "SingleLine" : "MultiLine";
                         });

class ParagraphBoxTest : public MessageBoxTextTest {};

TEST_P(ParagraphBoxTest, EnterInsertsCrLf) {
    type(QStringLiteral("a"));
    QTest::keyClick(box->widget(), Qt::Key_Return);
    type(QStringLiteral("b"));
    QTest::keyClick(box->widget(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), "a\r\nb\r\n");
}

TEST_P(ParagraphBoxTest, EnterNeedsRoomForBothCharacters) {
    box->setMaxLength(2);
    type(QStringLiteral("a"));
    QTest::keyClick(box->widget(), Qt::Key_Return);
    EXPECT_EQ(box->text(), "a");
}

INSTANTIATE_TEST_SUITE_P(Paragraphs, ParagraphBoxTest, ::testing::Values(Kind::MultiLine));

} // namespace
} // namespace smssim
