#include "InputEvents.h"
#include "Session.h"
#include "TextBoxWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextCursor>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using TextBox = rt::TextBoxWidget;

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.resize(300, 200);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }

    void placeCaret(int documentPosition)
    {
        QTextCursor cursor = box.textCursor();
        cursor.setPosition(documentPosition);
        box.setTextCursor(cursor);
    }

    rt::Session session { u"Проба" };
    TextBox box { session };
};

using TextBoxExactness = TextBoxTest;

TEST_F(TextBoxExactness, ReadsBackEveryCodeUnitWritten)
{
    const std::u16string texts[] = {
        u"",
        u"\r\n",
        u"one\r\ntwo\r\n",
        u"lone\rcarriage\rreturns\r",
        u"lone\nline\nfeeds\n",
        u"\n\r\r\n\n\r",
        u"\U0001F600 and \U00020000",
        std::u16string { u'\xD800' } + u" lone surrogates " + u'\xDC00',
        u"\u2029\u2028\uFDD0\uFDD1\u00A0\t\uFFFC",
        std::u16string(u"nul\0inside", 10),
    };
    for (const auto& text : texts) {
        box.SetText(text);
        EXPECT_EQ(box.Text(), text);
    }
}

TEST_F(TextBoxExactness, KeepsAHundredThousandCharacters)
{
    std::u16string text;
    for (int i = 0; text.size() < 100000; ++i) {
        text += (i % 7 == 0) ? u"\r\n" : (i % 11 == 0 ? u"\r" : u"абвгд ");
    }
    text.resize(100000);
    box.SetText(text);
    EXPECT_EQ(box.Text(), text);
}

TEST_F(TextBoxExactness, KeepsEveryCodeUnitOfSuccessiveExtensions)
{
    const std::u16string pieces[]
        = { u"к", u"\r", u"\n", u"\r\n", u"\r", u"x", u"\n", u"\U0001F600" };
    std::u16string text;
    for (const auto& piece : pieces) {
        text += piece;
        box.SetText(text);
        ASSERT_EQ(box.Text(), text);
    }
    EXPECT_EQ(box.toPlainText().count(QChar(u'\n')), 4) << "CR+LF written apart is one break";
}

TEST_F(TextBoxExactness, ShowsLineBreaksAsLines)
{
    box.SetText(u"a\r\nb\rc\nd");
    EXPECT_EQ(box.document()->blockCount(), 4);
    EXPECT_EQ(box.toPlainText(), QString("a\nb\nc\nd"));
}

using TextBoxTyping = TextBoxTest;

TEST_F(TextBoxTyping, TypedTextJoinsTheWrittenText)
{
    box.SetText(u"ab\r\ncd\rxy\n");
    box.moveCursor(QTextCursor::End);
    testing_support::typeText(&box, QString::fromUtf8("ёж"));
    EXPECT_EQ(box.Text(), u"ab\r\ncd\rxy\nёж");
}

TEST_F(TextBoxTyping, EveryEnterIsCarriageReturnAndLineFeed)
{
    box.SetText(u"a");
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&box, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), u"a\r\n\r\n\r\n\r\n");
    QTest::keyClick(&box, Qt::Key_Return, Qt::AltModifier);
    QTest::keyClick(&box, Qt::Key_Return, Qt::MetaModifier);
    EXPECT_EQ(box.Text(), u"a\r\n\r\n\r\n\r\n")
        << "Enter with Alt or the system key is the system's";
}

TEST_F(TextBoxTyping, LandsBetweenTheRightCodeUnits)
{
    box.SetText(u"1\r\n2\r3\r\n4");
    placeCaret(4); // before "3"
    testing_support::typeText(&box, QString::fromUtf8("x"));
    placeCaret(7); // before "4"
    testing_support::typeText(&box, QString::fromUtf8("y"));
    EXPECT_EQ(box.Text(), u"1\r\n2\rx3\r\ny4");
}

TEST_F(TextBoxTyping, BackspaceRemovesAWholeLineBreak)
{
    box.SetText(u"a\r\nb\rc");
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Backspace); // c
    QTest::keyClick(&box, Qt::Key_Backspace); // CR
    QTest::keyClick(&box, Qt::Key_Backspace); // b
    EXPECT_EQ(box.Text(), u"a\r\n");
    QTest::keyClick(&box, Qt::Key_Backspace); // CR LF
    EXPECT_EQ(box.Text(), u"a");
    placeCaret(0);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.Text(), u"");
}

TEST_F(TextBoxTyping, TypesCharactersOutsideTheBasicPlane)
{
    box.SetText(u"x");
    box.moveCursor(QTextCursor::End);
    testing_support::typeText(&box, QString::fromStdU16String(u"\U0001F600"));
    EXPECT_EQ(box.Text(), u"x\U0001F600");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.Text(), u"x");
}

TEST_F(TextBoxTyping, ReplacesASelectionSpanningLineBreaks)
{
    box.SetText(u"first\r\nsecond\rthird");
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    testing_support::typeText(&box, QString::fromUtf8("я"));
    EXPECT_EQ(box.Text(), u"я");
}

TEST_F(TextBoxTyping, PastedLineBreaksBecomeCarriageReturnAndLineFeed)
{
    QApplication::clipboard()->setText(QString::fromStdU16String(u"p\nq\r\nr\rs\U0001F600"));
    box.SetText(u"a\rb");
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), u"a\rbp\r\nq\r\nr\r\ns\U0001F600");
}

TEST_F(TextBoxTyping, UndoTakesBackTypingButNotWrites)
{
    box.SetText(u"abc");
    box.moveCursor(QTextCursor::End);
    testing_support::typeText(&box, QString::fromUtf8("d"));
    box.SetText(u"abcde");
    testing_support::typeText(&box, QString::fromUtf8("f"));
    EXPECT_EQ(box.Text(), u"abcdef");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), u"abcde");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), u"abcde") << "a written text is not undone";
    testing_support::typeText(&box, QString::fromUtf8("g"));
    box.SetText(u"abcdeg");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), u"abcdeg") << "nor one that wrote what was there";
}

TEST_F(TextBoxTyping, CaretFollowsAppendedText)
{
    box.SetText(u"");
    box.SetText(u"к");
    box.SetText(u"ко");
    testing_support::typeText(&box, QString::fromUtf8("т"));
    EXPECT_EQ(box.Text(), u"кот");
}

TEST(TextBoxFocus, TabMovesTheFocusOnInsteadOfTyping)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    rt::Session session(u"Проба");
    auto* first = new TextBox(session);
    auto* second = new TextBox(session);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    first->SetText(u"a");
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(first->Text(), u"a");
    EXPECT_EQ(second->Text(), u"");
}

} // namespace
