// Messages of 100,000 characters in the real windows: the boxes keep and show all of
// them, the letters-left count, every picture reachable with "+" and by "Zappen", and
// picture numbers and offsets past the 16-bit range.

#include "dot_recorder.h"
#include "form4.h"
#include "gui_support.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <cstdint>

namespace smssim::test {
namespace {

constexpr std::size_t kLength = 100000;

// German words, digits, punctuation and one word longer than any phone's line, so word
// wrap, the wrap inside a word and every kind of glyph width all occur. A paragraph
// break every `paragraphEvery` characters (0: none), now and then two in a row.
std::string longMessage(std::size_t paragraphEvery) {
    const std::string words = "Hallo Anna, wir treffen uns um 8:15 am Bahnhof (Gleis 3)! "
                              "Gr\xFC\xDF"
                              "e an die Donaudampfschifffahrtsgesellschaftskapit\xE4nswitwe. ";
    std::string text;
    std::size_t sinceBreak = 0;
    std::size_t breaks = 0;
    while (text.size() < kLength) {
        for (const char c : words) {
            if (paragraphEvery && sinceBreak >= paragraphEvery && c == ' ') {
                text += ++breaks % 5 == 0 ? "\r\n\r\n" : "\r\n";
                sinceBreak = 0;
                continue;
            }
            text += c;
            ++sinceBreak;
        }
    }
    text.resize(kLength);
    return text;
}

// Cycles through the printable codes the test phone has glyphs for, so neighbouring
// pictures of the one-character phone never look alike.
std::string printableMessage() {
    std::string text(kLength, ' ');
    for (std::size_t i = 0; i < kLength; ++i)
        text[i] = static_cast<char>(33 + i % 94);
    return text;
}

std::int32_t offsetOf(std::int64_t picture, double bildhoehe) {
    return static_cast<std::int32_t>(-(picture - 1) * static_cast<std::int64_t>(bildhoehe));
}

QString number(std::int64_t n) {
    return QString::number(n);
}

class LongMessageTest : public MainWindowTest {
  protected:
    void usePhone(const std::string& path, bool paragraphs) {
        ASSERT_TRUE(form->loadPhone(path));
        if (paragraphs) {
            check1()->click();
            ASSERT_TRUE(state.Absaetze);
        }
        text2()->setText(QStringLiteral("0"));
    }

    void plus() { child<QPushButton>("Command1")->click(); }
    void minus() { child<QPushButton>("Command2")->click(); }

    // Whether the engine draws any glyph into picture `n` of the current message;
    // asked of the engine directly, not of the count it reports.
    bool pictureHoldsText(std::int64_t n) {
        Module1 copy = state;
        copy.Bildversatz = offsetOf(n, copy.Bildhoehe);
        DotRecorder dots;
        DisplayZeichnen(copy, form->messageText(), dots);
        return !dots.dots.empty();
    }

    // The picture a message of the single character `c` shows: what picture n of the
    // one-character phone must show for the n-th character.
    QImage characterAlone(char c) {
        Module1 copy = state;
        copy.Bildversatz = 0;
        return enginePicture(copy, std::string(1, c));
    }

    // "+" from picture 1 to the last: each step selects the next picture and draws it,
    // past Bildversatz -32768 too, and "+" stops on the last one.
    void plusThroughEveryPicture(std::int32_t firstPast16Bit) {
        const std::string& message = form->messageText();
        const std::int32_t count = state.Bildanzahl;
        ASSERT_GT(count, firstPast16Bit) << "the message must reach past the 16-bit offsets";
        EXPECT_TRUE(pictureHoldsText(count));
        EXPECT_FALSE(pictureHoldsText(count + 1)) << "Bildanzahl is one too small";
        ASSERT_EQ(form->text6(), QStringLiteral("1"));

        for (std::int32_t n = 2; n <= count; ++n) {
            plus();
            ASSERT_EQ(form->text6(), number(n));
            ASSERT_EQ(state.Bildversatz, offsetOf(n, state.Bildhoehe)) << n;
            ASSERT_EQ(state.Bildanzahl, count) << n;
            ASSERT_NE(bild1(), backgroundOnly(state)) << "picture " << n << " holds text";
            ASSERT_EQ(bild1(), enginePicture(state, message)) << "picture " << n;
        }
        EXPECT_LT(state.Bildversatz, -32768);

        const QImage last = bild1();
        plus();
        EXPECT_EQ(form->text6(), number(count)) << "+ stops on the last picture";
        EXPECT_EQ(state.Bildversatz, offsetOf(count, state.Bildhoehe));
        EXPECT_EQ(bild1(), last);
    }
};

// --- The boxes keep and show the whole message.

TEST_F(LongMessageTest, SingleLineBoxKeepsAndShowsAllCharacters) {
    usePhone(kPhonesDir + "/Nokia 5110.bsd", false);
    const std::string message = longMessage(0);
    form->setMessageText(message);
    EXPECT_EQ(form->messageText(), message);
    // QLineEdit's own default limit is 32767 characters.
    EXPECT_EQ(text1_0()->text().size(), static_cast<qsizetype>(kLength));
    EXPECT_EQ(message_text::fromDisplay(text1_0()->text()), message);
    EXPECT_EQ(label3()->text(), QStringLiteral("-100000"));
}

TEST_F(LongMessageTest, ParagraphBoxKeepsAndShowsAllCharactersAndBreaks) {
    usePhone(kPhonesDir + "/Kommunikator 9000.bsd", true);
    const std::string message = longMessage(250);
    form->setMessageText(message);
    EXPECT_EQ(form->messageText(), message);
    auto* box = qobject_cast<QPlainTextEdit*>(form->Text1(1).widget());
    ASSERT_NE(box, nullptr);
    const auto breaks = std::count(message.begin(), message.end(), '\r');
    EXPECT_GT(breaks, 300);
    EXPECT_EQ(box->document()->blockCount(), breaks + 1);
    EXPECT_EQ(message_text::fromDisplay(box->document()->toRawText()), message);
    EXPECT_EQ(label3()->text(), QStringLiteral("-100000")) << "a break counts 2";
}

// --- The letters-left count and the maximum.

TEST_F(LongMessageTest, LettersLeftFollowsTheMaximumAndTypingAtTheLimit) {
    showActive();
    usePhone(kPhonesDir + "/Nokia 5110.bsd", false);
    form->setMessageText(longMessage(0));
    text1_0()->setFocus();
    text1_0()->end(false);

    const struct {
        const char* maximum;
        const char* typed;
        std::size_t length;
        const char* lettersLeft;
    } steps[] = {
        {"100000", "", kLength, "0"},
        {"100000", "x", kLength, "0"},                 // at the limit typing is stopped
        {"100002", "xyz", kLength + 2, "0"},           // two more fit, the third does not
        {"150000", "", kLength + 2, "49998"},          // past the 16-bit range
        {"99999", "", kLength + 2, "-3"},              // a lower maximum shortens nothing
        {"0", "ab", kLength + 4, "-100004"},           // 0 is no limit
        {"2147483647", "", kLength + 4, "2147383643"}, // the largest maximum
    };
    for (const auto& step : steps) {
        text2()->setText(QString::fromLatin1(step.maximum));
        QTest::keyClicks(text1_0(), QString::fromLatin1(step.typed));
        EXPECT_EQ(form->messageText().size(), step.length) << step.maximum << step.typed;
        EXPECT_EQ(label3()->text(), QString::fromLatin1(step.lettersLeft))
            << step.maximum << step.typed;
    }
    EXPECT_EQ(form->messageText().substr(kLength), "xyab");
}

// --- Every picture with "+".

TEST_F(LongMessageTest, PlusReachesEveryPictureWithWordWrap) {
    usePhone(kPhonesDir + "/Nokia 5110.bsd", false);
    ASSERT_TRUE(state.Zeilensprung);
    form->setMessageText(longMessage(0));
    // Picture 821 is the first whose offset (-820 * 40) a 16-bit number cannot hold.
    plusThroughEveryPicture(821);
}

TEST_F(LongMessageTest, PlusReachesEveryPictureWithParagraphs) {
    usePhone(kPhonesDir + "/Kommunikator 9000.bsd", true);
    form->setMessageText(longMessage(250));
    // Picture 548: -547 * 60 is below -32768.
    plusThroughEveryPicture(548);
}

// One character a picture: picture numbers, not only offsets, pass 32767.
TEST_F(LongMessageTest, PictureNumbersPast32767ShowTheirCharacter) {
    usePhone(std::string(SMSSIM_TEST_DATA) + "/gui/one-character-pictures.bsd", false);
    const std::string message = printableMessage();
    form->setMessageText(message);
    ASSERT_EQ(state.Bildanzahl, 100000);

    for (const std::int64_t from : {32766, 32767, 32768, 65535, 65536, 99998, 99999}) {
        form->setText6(number(from));
        plus();
        const std::int64_t n = from + 1;
        EXPECT_EQ(form->text6(), number(n));
        EXPECT_EQ(state.Bildversatz, offsetOf(n, 6)) << n;
        EXPECT_EQ(bild1(), characterAlone(message[static_cast<std::size_t>(n - 1)])) << n;
    }
    plus();
    EXPECT_EQ(form->text6(), QStringLiteral("100000")) << "the last picture";
    minus();
    EXPECT_EQ(form->text6(), QStringLiteral("99999"));
    EXPECT_EQ(bild1(), characterAlone(message[99998]));
}

// --- The animation window.

class LongMessageAnimation : public LongMessageTest {
  protected:
    Form4& open(const char* text6) {
        form->setText6(QString::fromLatin1(text6));
        form4 = std::make_unique<Form4>(*form, form.get());
        return *form4;
    }
    QString bilder() { return form4->findChild<QLineEdit*>("Bilder")->text(); }
    QString aktuellesBild() { return form4->findChild<QLineEdit*>("aktuellesBild")->text(); }
    void zappen() { form4->findChild<QPushButton*>("Command1")->click(); }
    void plusInForm4() { form4->findChild<QPushButton*>("Command4")->click(); }

    std::unique_ptr<Form4> form4;
};

TEST_F(LongMessageAnimation, ZappenReachesEveryPictureAndWrapsToOne) {
    usePhone(kPhonesDir + "/Nokia 5110.bsd", false);
    const std::string message = longMessage(0);
    form->setMessageText(message);
    const std::int32_t count = state.Bildanzahl;
    open("1");
    ASSERT_EQ(bilder(), number(count));

    for (std::int32_t n = 2; n <= count; ++n) {
        zappen();
        ASSERT_EQ(aktuellesBild(), number(n));
        ASSERT_EQ(state.Bildversatz, offsetOf(n, state.Bildhoehe)) << n;
        ASSERT_NE(bild1(), backgroundOnly(state)) << "picture " << n << " holds text";
    }
    EXPECT_EQ(bild1(), enginePicture(state, message)) << "the last picture";
    zappen();
    EXPECT_EQ(aktuellesBild(), QStringLiteral("1"));
    EXPECT_EQ(state.Bildversatz, 0);
    EXPECT_EQ(bild1(), enginePicture(state, message));

    // "+" adds an empty picture to the cycle.
    plusInForm4();
    EXPECT_EQ(bilder(), number(count + 1));
    for (std::int32_t n = 2; n <= count + 1; ++n)
        zappen();
    EXPECT_EQ(aktuellesBild(), number(count + 1));
    EXPECT_EQ(bild1(), backgroundOnly(state));
}

TEST_F(LongMessageAnimation, FarPicturesPast32767AreShownAndTheCycleWraps) {
    usePhone(std::string(SMSSIM_TEST_DATA) + "/gui/one-character-pictures.bsd", false);
    const std::string message = printableMessage();
    form->setMessageText(message);
    open("99998");
    EXPECT_EQ(bilder(), QStringLiteral("100000"));
    EXPECT_EQ(form4->ZappAnzahl(), 100000);
    plusInForm4();
    EXPECT_EQ(bilder(), QStringLiteral("100000")) << "+ never goes past 32767";

    const struct {
        const char* shown;
        std::size_t character;
    } steps[] = {{"99999", 99998}, {"100000", 99999}, {"1", 0}, {"2", 1}};
    for (const auto& step : steps) {
        zappen();
        EXPECT_EQ(aktuellesBild(), QString::fromLatin1(step.shown));
        EXPECT_EQ(state.Bildversatz, offsetOf(step.character + 1, 6));
        EXPECT_EQ(bild1(), characterAlone(message[step.character])) << step.shown;
    }

    // "Beenden" hands the number back; the main window's "+" and "-" go on from there.
    open("40000");
    zappen();
    EXPECT_EQ(aktuellesBild(), QStringLiteral("40001"));
    form4->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(form->text6(), QStringLiteral("40001"));
    plus();
    EXPECT_EQ(form->text6(), QStringLiteral("40002"));
    EXPECT_EQ(bild1(), characterAlone(message[40001]));
}

} // namespace
} // namespace smssim::test
