#include "InputEvents.h"
#include "ListBoxWidget.h"
#include "RuntimeError.h"
#include "Session.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <vector>

namespace {

using rt::Index;
using ListBox = rt::ListBoxWidget;

// More rows than the list shows, so that it scrolls.
const std::vector<std::u16string> kRows = { u"0", u"1", u"2", u"a", u"b", u"A", u"м", u"а", u"т",
    u"ab", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"l" };

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(list);
        list->setFixedSize(80, 120);
        list->setRows(kRows);
        list->setClickHandler([this] { picks.push_back(list->ListIndex()); });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    [[nodiscard]] QPoint centreOf(int row) const
    {
        list->scrollToItem(list->item(row));
        return list->visualItemRect(list->item(row)).center();
    }

    void press(int row) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(row)); }

    void key(Qt::Key key) { QTest::keyClick(list, key); }

    rt::Session session { u"Проба" };
    QWidget window;
    QPushButton* before = new QPushButton("before");
    ListBox* list = new ListBox(session);
    std::vector<Index> picks;
};

using ListBoxMouse = ListBoxTest;

TEST_F(ListBoxMouse, StartsWithNoRowSelected)
{
    EXPECT_EQ(list->ListIndex(), rt::kNoSelection);
    EXPECT_EQ(list->count(), static_cast<int>(kRows.size()));
}

TEST_F(ListBoxMouse, EveryPressOnARowPicksIt)
{
    press(3);
    press(8);
    press(8);
    EXPECT_EQ(picks, (std::vector<Index> { 3, 8, 8 }));
    EXPECT_EQ(list->ListIndex(), 8);
}

TEST_F(ListBoxMouse, DoubleClickPicksTwice)
{
    testing_support::doubleClick(list->viewport(), centreOf(8));
    EXPECT_EQ(picks, (std::vector<Index> { 8, 8 }));
}

TEST_F(ListBoxMouse, DraggingPicksOnlyWherePressed)
{
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centreOf(1));
    QTest::mouseMove(list->viewport(), centreOf(2));
    QTest::mouseMove(list->viewport(), centreOf(4));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centreOf(4));
    EXPECT_EQ(picks, std::vector<Index> { 1 });
    EXPECT_EQ(list->ListIndex(), 1);
}

TEST_F(ListBoxMouse, OtherButtonsScrollBarAndWheelPickNothing)
{
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(2));
    QScrollBar* bar = list->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    QWheelEvent wheel(QPointF(10, 10), list->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &wheel);
    EXPECT_TRUE(picks.empty());
    EXPECT_EQ(list->ListIndex(), rt::kNoSelection);
}

TEST_F(ListBoxMouse, PressOnEmptySpacePicksNothing)
{
    list->setRows({ u"x", u"y" });
    press(1);
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 3));
    EXPECT_EQ(picks, std::vector<Index> { 1 });
    EXPECT_EQ(list->ListIndex(), 1);
}

using ListBoxKeys = ListBoxTest;

TEST_F(ListBoxKeys, EachMoveOfTheSelectionPicksOnce)
{
    press(0);
    key(Qt::Key_Up);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_End);
    key(Qt::Key_Down);
    key(Qt::Key_PageUp);
    const Index pageUp = list->ListIndex();
    key(Qt::Key_Home);
    key(Qt::Key_Home);
    key(Qt::Key_PageDown);
    const auto last = static_cast<Index>(kRows.size() - 1);
    ASSERT_GT(pageUp, 0);
    ASSERT_LT(pageUp, last);
    EXPECT_EQ(picks,
        (std::vector<Index> { 0, 1, 2, last, pageUp, 0, static_cast<Index>(last - pageUp) }));
}

TEST_F(ListBoxKeys, TypedCharacterPicksTheRowEqualToIt)
{
    list->setFocus();
    testing_support::typeText(list, QString::fromUtf8("мама"));
    EXPECT_EQ(picks, (std::vector<Index> { 6, 7, 6, 7 }));
    testing_support::typeText(list, QString::fromUtf8("аA"));
    EXPECT_EQ(picks, (std::vector<Index> { 6, 7, 6, 7, 7, 5 })) << "again, and case-sensitive";
}

TEST_F(ListBoxKeys, KeysWithoutAnEqualRowDoNothing)
{
    press(2);
    picks.clear();
    testing_support::typeText(list, QString::fromUtf8("!я "));
    key(Qt::Key_Escape);
    key(Qt::Key_Backspace);
    key(Qt::Key_Space);
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(picks.empty()) << "a shortcut is no typed letter";
    EXPECT_EQ(list->ListIndex(), 2) << "no search by prefix";
}

TEST_F(ListBoxKeys, EnterPicksTheSelectedRowAgain)
{
    list->setFocus();
    key(Qt::Key_Return);
    EXPECT_TRUE(picks.empty()) << "nothing is selected yet";
    press(4);
    key(Qt::Key_Return);
    key(Qt::Key_Enter);
    EXPECT_EQ(picks, (std::vector<Index> { 4, 4, 4 }));
}

TEST_F(ListBoxKeys, TabbingInPicksNothingAndTheFirstMoveSelectsTheFocusRow)
{
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(list->hasFocus());
    EXPECT_TRUE(picks.empty());
    EXPECT_EQ(list->ListIndex(), rt::kNoSelection);
    key(Qt::Key_Down);
    EXPECT_EQ(picks, std::vector<Index> { 0 });
    QTest::keyClick(list, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
    EXPECT_EQ(picks, std::vector<Index> { 0 });
}

TEST(ListBoxRows, ReadsRowsAndRefusesIndicesOutsideTheList)
{
    rt::Session session(u"Проба");
    ListBox list(session);
    list.setRows({ u"x", u"\U0001F600" });
    EXPECT_EQ(list.List(0), u"x");
    EXPECT_EQ(list.List(1), u"\U0001F600");
    for (const Index outside : { Index { -1 }, Index { 2 }, Index { 32767 } }) {
        try {
            (void)list.List(outside);
            ADD_FAILURE() << "no error for row " << outside;
        } catch (const rt::RuntimeError& error) {
            EXPECT_EQ(error.number(), 381);
        }
    }
}

} // namespace
