// The composed text stays exact over long sessions: many picks and button
// presses, typing and pasting between them, and clearing.

#include "CharacterList.h"
#include "ZorbikaFixture.h"

#include <QClipboard>
#include <QTextCursor>
#include <random>

namespace zorbika::testing {
namespace {

using LongRun = ZorbikaTest;

TEST_F(LongRun, ThousandsOfPicksAndPressesKeepEveryCodeUnit)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> action(0, 20);
    std::uniform_int_distribution<int> row(0, static_cast<int>(board::kCharacterRowCount) - 1);
    pickRow(0);
    std::u16string expected = u"0";
    for (int step = 0; step < 3000; ++step) {
        const int what = action(random);
        if (what == 0) {
            press(0);
            expected += u" ";
        } else if (what == 1) {
            press(1);
            expected += u"\r\n";
        } else {
            const int picked = row(random);
            pickRow(picked);
            expected += board::characterRow(static_cast<std::size_t>(picked));
        }
        ASSERT_EQ(composition().Text().size(), expected.size()) << "after step " << step;
    }
    EXPECT_EQ(composition().Text(), expected);
}

TEST_F(LongRun, TypingAndPastingBetweenPicksKeepTheirPlace)
{
    pick(u'а');
    pick(u'б');
    press(1);
    pick(u'в');
    ASSERT_EQ(composition().Text(), u"аб\r\nв");

    composition().setFocus();
    QTextCursor caret = composition().textCursor();
    caret.setPosition(1); // between а and б
    composition().setTextCursor(caret);
    testing_support::typeText(&composition(), QString::fromUtf8("х"));
    pick(u'г');
    EXPECT_EQ(composition().Text(), u"ахб\r\nвг");

    QApplication::clipboard()->setText(QString::fromUtf8("ред\nдруг\r\n\U0001F600"));
    composition().moveCursor(QTextCursor::End);
    QTest::keyClick(&composition(), Qt::Key_V, Qt::ControlModifier);
    pick(u'д');
    press(0);
    EXPECT_EQ(composition().Text(), u"ахб\r\nвгред\r\nдруг\r\n\U0001F600д ");

    QTest::keyClick(&composition(), Qt::Key_Backspace);
    QTest::keyClick(&composition(), Qt::Key_Backspace);
    pick(u'е');
    EXPECT_EQ(composition().Text(), u"ахб\r\nвгред\r\nдруг\r\n\U0001F600е");
}

TEST_F(LongRun, ClearAfterALongTextStartsAfresh)
{
    pick(u'а');
    std::u16string text;
    for (int line = 0; text.size() < 1'000'000; ++line) {
        text += u"Магнитна азбука е вид игра за деца и се играе с букви 0123\r\n";
    }
    composition().SetText(text);
    pick(u'я');
    EXPECT_EQ(composition().Text(), text + u"я");
    press(2);
    EXPECT_EQ(composition().Text(), u"");
    pick(u'0');
    press(1);
    pick(u'Z');
    EXPECT_EQ(composition().Text(), u"0\r\nZ");
}

} // namespace
} // namespace zorbika::testing

namespace zorbika::testing {
namespace {

TEST_F(LongRun, TenMillionPastedCodeUnitsStillTakePicksAndButtons)
{
    pick(u'а');
    std::u16string huge;
    huge.reserve(10'000'060);
    while (huge.size() < 10'000'000) {
        huge += u"Всеки избран ред добавя символ към текстовото поле \U0001F600 и т.н.\r\n";
    }
    huge.resize(10'000'000);
    QApplication::clipboard()->setText(QString::fromStdU16String(huge));
    composition().setFocus();
    composition().moveCursor(QTextCursor::End);
    QTest::keyClick(&composition(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(composition().Text().size(), huge.size() + 1);
    pick(u'б');
    press(0);
    press(1);
    EXPECT_EQ(composition().Text(), u"а" + huge + u"б \r\n");
    press(2);
    EXPECT_EQ(composition().Text(), u"");
}

} // namespace
} // namespace zorbika::testing
