#include "Board.h"
#include "CharacterList.h"
#include "InMemoryControls.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace board::testing {
namespace {

const Text kPreset = u"Магнитна азбука е вид игра за деца.\r\n";

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        controls.text = kPreset;
        board.Form_Load();
    }

    // Selects the row holding `character` and raises the list's Click.
    void pick(char16_t character)
    {
        const auto row = kCharacterRows.find(character);
        ASSERT_NE(row, std::u16string_view::npos);
        controls.selected = static_cast<Index>(row);
        board.List1_Click();
    }

    InMemoryControls controls;
    Board board { controls };
};

using FirstPickWipe = BoardTest;

TEST_F(FirstPickWipe, ReplacesThePresetWithThePickedCharacter)
{
    EXPECT_EQ(board.firstPickDone(), False);
    controls.selected = 72;
    board.List1_Click();
    EXPECT_EQ(controls.text, u"к");
    EXPECT_EQ(board.firstPickDone(), True);
    pick(u'о');
    EXPECT_EQ(controls.text, u"ко");
}

TEST_F(FirstPickWipe, HappensOnceOnly)
{
    pick(u'м');
    pick(u'а');
    pick(u'м');
    pick(u'а');
    EXPECT_EQ(controls.text, u"мама");
}

TEST_F(FirstPickWipe, ClickWithNoRowSelectedStillWipesAndAppendsNothing)
{
    board.List1_Click();
    EXPECT_EQ(controls.text, u"");
    EXPECT_EQ(board.firstPickDone(), True);
    controls.text = u"нов";
    board.List1_Click();
    EXPECT_EQ(controls.text, u"нов") << "a second empty Click must not wipe again";
}

TEST_F(FirstPickWipe, WipesWhatTheButtonsAddedToThePreset)
{
    board.Command1_Click(Board::kSpaceButton);
    board.Command1_Click(Board::kSpaceButton);
    EXPECT_EQ(controls.text, kPreset + u"  ");
    board.Command1_Click(Board::kNewLineButton);
    EXPECT_EQ(controls.text, kPreset + u"  \r\n");
    EXPECT_EQ(board.firstPickDone(), False);
    pick(u'а');
    EXPECT_EQ(controls.text, u"а");
}

TEST_F(FirstPickWipe, WipesTextTypedBeforeIt)
{
    controls.text = u"Детето написа това";
    pick(u'Я');
    EXPECT_EQ(controls.text, u"Я");
}

TEST_F(FirstPickWipe, ClearDoesNotBringTheWipeBack)
{
    pick(u'а');
    board.Command1_Click(Board::kClearButton);
    EXPECT_EQ(controls.text, u"");
    EXPECT_EQ(board.firstPickDone(), True);
    controls.text = u"вече";
    pick(u'9');
    EXPECT_EQ(controls.text, u"вече9");
}

TEST_F(FirstPickWipe, LoadResetsTheFlag)
{
    pick(u'а');
    board.Form_Load();
    EXPECT_EQ(board.firstPickDone(), False);
    EXPECT_EQ(controls.text, u"а") << "Load touches nothing but the flag";
    pick(u'б');
    EXPECT_EQ(controls.text, u"б");
}

using Appending = BoardTest;

TEST_F(Appending, PicksAndButtonsGoToTheEndInOrder)
{
    pick(u'п');
    pick(u'о');
    pick(u'т');
    board.Command1_Click(Board::kSpaceButton);
    board.Command1_Click(Board::kNewLineButton);
    EXPECT_EQ(controls.text, Text(u"пот \r\n"));
    EXPECT_EQ(controls.text.size(), 6U);
}

TEST_F(Appending, ExtendsTypedTextAfterTheFirstPick)
{
    pick(u'З');
    controls.text = u"Зор";
    pick(u'б');
    board.Command1_Click(Board::kSpaceButton);
    EXPECT_EQ(controls.text, u"Зорб ");
}

TEST_F(Appending, KeepsEveryCodeUnitOfTheExistingText)
{
    pick(u'a');
    const Text odd = Text(u"\r\n\r\n\0x", 6) + u"\U0001F600" + u"\r";
    controls.text = odd;
    pick(u'z');
    EXPECT_EQ(controls.text, odd + u"z");
}

TEST_F(Appending, CanPickTheSameRowTwiceInARow)
{
    pick(u'о');
    pick(u'т');
    board.List1_Click();
    EXPECT_EQ(controls.text, u"отт");
}

using Buttons = BoardTest;

TEST_F(Buttons, NewLineAddsCarriageReturnAndLineFeed)
{
    pick(u'а');
    board.Command1_Click(Board::kNewLineButton);
    ASSERT_EQ(controls.text.size(), 3U);
    EXPECT_EQ(controls.text[1], u'\r');
    EXPECT_EQ(controls.text[2], u'\n');
}

TEST_F(Buttons, SpaceAndNewLineReadThenWrite)
{
    board.Command1_Click(Board::kSpaceButton);
    board.Command1_Click(Board::kNewLineButton);
    EXPECT_EQ(controls.log, (std::vector<std::string> { "Text", "Text=", "Text", "Text=" }));
    EXPECT_EQ(board.firstPickDone(), False);
}

TEST_F(Buttons, ClearWritesWithoutReading)
{
    board.Command1_Click(Board::kClearButton);
    EXPECT_EQ(controls.text, u"");
    EXPECT_EQ(controls.log, std::vector<std::string> { "Text=" });
    EXPECT_EQ(board.firstPickDone(), False) << "Clear does not count as a pick";
}

TEST_F(Buttons, UnknownIndicesDoNothing)
{
    for (const Index index : { Index { 3 }, Index { -1 }, Index { 32767 }, Index { -32768 } }) {
        board.Command1_Click(index);
    }
    EXPECT_EQ(controls.text, kPreset);
    EXPECT_TRUE(controls.log.empty());
}

using StepOrder = BoardTest;

TEST_F(StepOrder, FirstPickWipesThenReadsIndexTwiceThenTextThenRow)
{
    controls.selected = 5;
    board.List1_Click();
    EXPECT_EQ(controls.log,
        (std::vector<std::string> {
            "Text=", "ListIndex", "ListIndex", "Text", "List(5)", "Text=" }));
    controls.log.clear();
    board.List1_Click();
    EXPECT_EQ(controls.log,
        (std::vector<std::string> { "ListIndex", "ListIndex", "Text", "List(5)", "Text=" }));
    EXPECT_EQ(controls.text, u"55");
}

TEST_F(StepOrder, AppendsTheRowOfTheFirstIndexRead)
{
    controls.listIndexAnswers = { 10, 11 };
    board.List1_Click();
    EXPECT_EQ(controls.text, u"a");
}

TEST_F(StepOrder, StopsWhenTheSecondReadFindsNoRow)
{
    controls.listIndexAnswers = { 10, kNoRow };
    board.List1_Click();
    EXPECT_EQ(controls.text, u"");
    EXPECT_EQ(controls.log, (std::vector<std::string> { "Text=", "ListIndex", "ListIndex" }));
}

using Failures = BoardTest;

TEST_F(Failures, FailedWipeLeavesTheBoardComposing)
{
    controls.selected = 62;
    controls.beforeOperation = [](const std::string& operation) {
        if (operation == "Text=") {
            throw ControlFailure();
        }
    };
    EXPECT_THROW(board.List1_Click(), ControlFailure);
    EXPECT_EQ(board.firstPickDone(), True);
    EXPECT_EQ(controls.text, kPreset);
    controls.beforeOperation = nullptr;
    board.List1_Click();
    EXPECT_EQ(controls.text, kPreset + u"а") << "the wipe is not tried again";
}

TEST_F(Failures, FailedRowReadLeavesTheBoxWiped)
{
    controls.listIndexAnswers = { 122, 122 };
    EXPECT_THROW(board.List1_Click(), ControlFailure);
    EXPECT_EQ(controls.text, u"");
    EXPECT_EQ(board.firstPickDone(), True);
    EXPECT_EQ(controls.log.back(), "List(122)") << "nothing is written after the failure";
}

TEST_F(Failures, FailedReadLeavesTheTextUnchanged)
{
    pick(u'а');
    controls.beforeOperation = [](const std::string& operation) {
        if (operation == "Text") {
            throw ControlFailure();
        }
    };
    EXPECT_THROW(board.Command1_Click(Board::kSpaceButton), ControlFailure);
    EXPECT_THROW(board.Command1_Click(Board::kNewLineButton), ControlFailure);
    EXPECT_THROW(board.List1_Click(), ControlFailure);
    EXPECT_EQ(controls.text, u"а");
}

TEST_F(Failures, FailedClearPropagates)
{
    controls.beforeOperation = [](const std::string& /*operation*/) { throw ControlFailure(); };
    EXPECT_THROW(board.Command1_Click(Board::kClearButton), ControlFailure);
    EXPECT_EQ(controls.text, kPreset);
}

} // namespace
} // namespace board::testing
