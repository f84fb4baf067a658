// A finger on the list and the text box: a tap picks or places the caret, a
// swipe scrolls and does nothing else, a flick coasts to the end.

#include "InputEvents.h"
#include "ListBoxWidget.h"
#include "Session.h"
#include "TextBoxWidget.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rt::Index;

using testing_support::swipe;
using testing_support::tap;
using testing_support::touchScreen;

class TouchList : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::u16string> rows;
        for (char16_t c = u'a'; c <= u'z'; ++c) {
            rows.emplace_back(1, c);
        }
        list->setRows(rows);
        list->setFixedSize(80, 120);
        list->setClickHandler([this] { picks.push_back(list->ListIndex()); });
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    [[nodiscard]] QPoint centreOf(int row) const
    {
        return list->visualItemRect(list->item(row)).center();
    }
    [[nodiscard]] int scrolled() const { return list->verticalScrollBar()->value(); }

    rt::Session session { u"Проба" };
    QWidget window;
    rt::ListBoxWidget* list = new rt::ListBoxWidget(session);
    std::vector<Index> picks;
};

TEST_F(TouchList, ATapPicksOnceAndAgainOnTheSelectedRow)
{
    tap(list->viewport(), centreOf(2));
    EXPECT_EQ(picks, std::vector<Index> { 2 });
    tap(list->viewport(), centreOf(2));
    EXPECT_EQ(picks, (std::vector<Index> { 2, 2 }));
    // A finger that trembles less than the drag distance still taps.
    QTest::touchEvent(list->viewport(), touchScreen()).press(0, centreOf(4));
    QTest::touchEvent(list->viewport(), touchScreen()).move(0, centreOf(4) + QPoint(2, 2));
    QTest::touchEvent(list->viewport(), touchScreen()).release(0, centreOf(4) + QPoint(2, 2));
    EXPECT_EQ(picks, (std::vector<Index> { 2, 2, 4 }));
    EXPECT_EQ(scrolled(), 0);
}

TEST_F(TouchList, ASwipeScrollsWithTheFingerAndPicksNothing)
{
    const int half = list->viewport()->height() / 2;
    const QPoint from(40, list->viewport()->height() - 5);
    swipe(list->viewport(), from, from - QPoint(0, half), 6, 20, 150);
    const int rowHeight = list->sizeHintForRow(0);
    EXPECT_NEAR(scrolled() * rowHeight, half, rowHeight);
    EXPECT_TRUE(picks.empty());
    EXPECT_EQ(list->ListIndex(), rt::kNoSelection);

    // And back down, with a row selected: the selection stays.
    tap(list->viewport(), centreOf(5));
    swipe(list->viewport(), QPoint(40, 5), QPoint(40, 5 + half), 6, 20, 150);
    EXPECT_EQ(scrolled(), 0);
    EXPECT_EQ(picks, std::vector<Index> { 5 });
    EXPECT_EQ(list->ListIndex(), 5);
}

TEST_F(TouchList, AFlickCoastsAfterTheReleaseAndStopsAtTheEnd)
{
    // Few rows, so that even a slow machine's flick carries to the end.
    list->setRows({ u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"l" });
    QApplication::processEvents(); // the list lays its rows out late
    const int rowHeight = list->sizeHintForRow(0);
    const int end = list->verticalScrollBar()->maximum();
    ASSERT_GE(end, 4);
    ASSERT_LE(end, 8);
    const QPoint from(40, list->viewport()->height() - 5);
    swipe(list->viewport(), from, from - QPoint(0, 2 * rowHeight), 2, 10, 0);
    const int atRelease = scrolled();
    EXPECT_LT(atRelease, end);
    EXPECT_TRUE(QTest::qWaitFor([&] { return scrolled() > atRelease; }, 1000))
        << "the list goes on after the finger lifts";
    EXPECT_TRUE(QTest::qWaitFor([&] { return scrolled() == end; }, 3000));
    EXPECT_TRUE(picks.empty());
}

TEST_F(TouchList, ATouchStopsACoastingListAndPicksNothing)
{
    QScrollBar* bar = list->verticalScrollBar();
    bar->setValue(bar->maximum());
    const int rowHeight = list->sizeHintForRow(0);
    swipe(list->viewport(), QPoint(40, 5), QPoint(40, 5 + 2 * rowHeight), 2, 10, 0);
    tap(list->viewport(), QPoint(40, list->viewport()->height() / 2));
    const int stoppedAt = scrolled();
    EXPECT_GT(stoppedAt, 0);
    QTest::qWait(100);
    EXPECT_EQ(scrolled(), stoppedAt);
    EXPECT_TRUE(picks.empty());
}

TEST(TouchText, ASwipeScrollsTheTextAndATapPlacesTheCaret)
{
    rt::Session session(u"Проба");
    rt::TextBoxWidget box(session);
    std::u16string text;
    for (int line = 0; line < 40; ++line) {
        text += u"ред " + std::u16string(1, static_cast<char16_t>(u'а' + line % 30)) + u"\r\n";
    }
    box.SetText(text);
    box.resize(200, 120);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const int caret = box.textCursor().position();

    swipe(box.viewport(), QPoint(50, 110), QPoint(50, 50), 6, 20, 150);
    EXPECT_GT(box.verticalScrollBar()->value(), 0);
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(box.textCursor().position(), caret);
    EXPECT_FALSE(box.textCursor().hasSelection());

    const QPoint onALine = box.cursorRect(box.cursorForPosition(QPoint(30, 60))).center();
    tap(box.viewport(), onALine);
    EXPECT_EQ(box.textCursor().position(), box.cursorForPosition(onALine).position());
    EXPECT_FALSE(box.textCursor().hasSelection());
    EXPECT_EQ(box.Text(), text);
}

} // namespace
