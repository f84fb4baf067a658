#include "CharacterList.h"
#include "ZorbikaFixture.h"

#include <QScrollBar>
#include <algorithm>
#include <vector>

namespace zorbika::testing {
namespace {

std::vector<std::u16string> linesOf(const std::u16string& text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find(u"\r\n"); end != std::u16string::npos;
         end = text.find(u"\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

using StartState = ZorbikaTest;

TEST_F(StartState, CompositionBoxShowsTheElevenLinesOfThePreset)
{
    const std::u16string preset = composition().Text();
    const auto lines = linesOf(preset);
    ASSERT_EQ(lines.size(), 12U) << "eleven lines, each ended by CR LF";
    EXPECT_EQ(lines.back(), u"");
    EXPECT_EQ(lines[0].substr(0, 16), u"Магнитна азбука ");
    EXPECT_NE(lines[4].find(u"да  имитира"), std::u16string::npos) << "the double space stays";
    EXPECT_EQ(lines[5], u"");
    EXPECT_EQ(lines[9], u"");
    for (const std::size_t item : { 6, 7, 8 }) {
        EXPECT_EQ(lines[item].front(), u' ') << "line " << item + 1;
    }
    EXPECT_EQ(lines[8], u" текстово поле.");
    EXPECT_EQ(std::count(preset.begin(), preset.end(), u'\r'), 11) << "no lone line break";
    EXPECT_EQ(std::count(preset.begin(), preset.end(), u'\n'), 11) << "no lone line break";
}

TEST_F(StartState, QuotationBoxHoldsOneLineAndIsNotShown)
{
    const std::u16string quotation = this->quotation().Text();
    EXPECT_EQ(linesOf(quotation).size(), 2U);
    EXPECT_EQ(quotation.substr(quotation.size() - 5), u"о. \r\n");
    EXPECT_FALSE(this->quotation().isVisible());
}

TEST_F(StartState, ListHoldsTheCharacterRowsWithNoneSelected)
{
    ASSERT_EQ(list().count(), static_cast<int>(board::kCharacterRowCount));
    for (std::size_t row = 0; row < board::kCharacterRowCount; ++row) {
        EXPECT_EQ(list().List(static_cast<rt::Index>(row)), board::characterRow(row));
    }
    EXPECT_EQ(list().ListIndex(), rt::kNoSelection);
}

TEST_F(StartState, FocusIsInTheCompositionBoxAndTabFollowsTheTabIndices)
{
    EXPECT_TRUE(composition().hasFocus());
    const std::vector<QWidget*> order
        = { &list(), &button(0), &button(1), &button(2), &composition() };
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    EXPECT_EQ(list().ListIndex(), rt::kNoSelection) << "tabbing through the list picks nothing";
    EXPECT_EQ(composition().Text().substr(0, 8), u"Магнитна");
    for (const Qt::KeyboardModifier shortcut :
        { Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier }) {
        QTest::keyClick(&composition(), Qt::Key_Tab, shortcut);
        EXPECT_TRUE(composition().hasFocus()) << "Tab with a shortcut key moves no focus";
    }
}

using Picks = ZorbikaTest;

TEST_F(Picks, FirstPickReplacesThePresetAndLaterOnesAppend)
{
    pickRow(72);
    EXPECT_EQ(composition().Text(), u"к");
    pick(u'о');
    EXPECT_EQ(composition().Text(), u"ко");
}

TEST_F(Picks, SameRowTwiceInARow)
{
    pick(u'о');
    pick(u'т');
    pick(u'т');
    pick(u'у');
    pick(u'к');
    EXPECT_EQ(composition().Text(), u"оттук");
}

TEST_F(Picks, TypedLettersInTheListPickTheirRows)
{
    QTest::keyClick(&composition(), Qt::Key_Tab);
    ASSERT_TRUE(list().hasFocus());
    testing_support::typeText(&list(), QString::fromUtf8("мама"));
    EXPECT_EQ(composition().Text(), u"мама");
    QTest::keyClick(&list(), Qt::Key_Return);
    QTest::keyClick(&list(), Qt::Key_Down);
    EXPECT_EQ(composition().Text(), u"мамааб");
}

TEST_F(Picks, ButtonsAppendSpaceAndLineBreakAndClearEmpties)
{
    pick(u'о');
    pick(u'т');
    press(0);
    press(1);
    EXPECT_EQ(composition().Text(), u"от \r\n");
    press(2);
    EXPECT_EQ(composition().Text(), u"");
    pick(u'Я');
    EXPECT_EQ(composition().Text(), u"Я") << "a pick after Clear appends to the empty box";
}

TEST_F(Picks, ButtonsBeforeTheFirstPickExtendThePresetUntilItIsWiped)
{
    const std::u16string preset = composition().Text();
    press(0);
    press(0);
    press(1);
    EXPECT_EQ(composition().Text(), preset + u"  \r\n");
    pick(u'а');
    EXPECT_EQ(composition().Text(), u"а");
}

TEST_F(Picks, TypedTextIsWipedByTheFirstPickAndExtendedAfter)
{
    testing_support::typeText(&composition(), QString::fromUtf8("Аз"));
    EXPECT_EQ(composition().Text().substr(0, 10), u"АзМагнитна");
    pick(u'с');
    EXPECT_EQ(composition().Text(), u"с");
    composition().setFocus();
    testing_support::typeText(&composition(), QString::fromUtf8("ъ"));
    QTest::keyClick(&composition(), Qt::Key_Return);
    pick(u'м');
    EXPECT_EQ(composition().Text(), u"съ\r\nм");
}

TEST_F(Picks, KeyboardAloneComposesWordsAndALine)
{
    const auto key = [](Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), pressed, modifiers);
    };
    key(Qt::Key_Tab);
    ASSERT_TRUE(list().hasFocus());
    testing_support::typeText(&list(), QString::fromUtf8("Аз"));
    key(Qt::Key_Tab);
    ASSERT_TRUE(button(0).hasFocus());
    key(Qt::Key_Space);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(list().hasFocus());
    testing_support::typeText(&list(), QString::fromUtf8("съм"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_TRUE(button(1).hasFocus());
    key(Qt::Key_Return);
    EXPECT_EQ(composition().Text(), u"Аз съм\r\n");
    key(Qt::Key_Tab);
    ASSERT_TRUE(button(2).hasFocus());
    key(Qt::Key_Space);
    EXPECT_EQ(composition().Text(), u"");
}

using Touch = ZorbikaTest;

TEST_F(Touch, TapsPickRowsAndPressButtonsOnceEach)
{
    rt::ListBoxWidget& characters = list();
    testing_support::tap(
        characters.viewport(), characters.visualItemRect(characters.item(5)).center());
    testing_support::tap(
        characters.viewport(), characters.visualItemRect(characters.item(5)).center());
    testing_support::tap(&button(0), button(0).rect().center());
    testing_support::tap(&button(1), button(1).rect().center());
    EXPECT_EQ(composition().Text(), u"55 \r\n");
    testing_support::tap(&button(2), button(2).rect().center());
    EXPECT_EQ(composition().Text(), u"");
}

TEST_F(Touch, ASwipeOverTheListScrollsItAndChangesNoText)
{
    const std::u16string preset = composition().Text();
    const QPoint from(list().viewport()->width() / 2, list().viewport()->height() - 5);
    testing_support::swipe(list().viewport(), from, from - QPoint(0, 60), 6, 20, 150);
    EXPECT_GT(list().verticalScrollBar()->value(), 0);
    EXPECT_EQ(list().ListIndex(), rt::kNoSelection);
    EXPECT_EQ(composition().Text(), preset) << "the first pick's wipe has not come";
}

} // namespace
} // namespace zorbika::testing
