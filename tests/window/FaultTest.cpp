// Failing control operations in the real window: the message names the
// error, nothing is half-written, and the run ends with a non-zero status.

#include "MessageBoxAnswerer.h"
#include "ThunRTMain.h"
#include "ZorbikaFixture.h"
#include "ZorbikaProject.h"

#include <QTimer>
#include <new>

namespace zorbika::testing {
namespace {

using testing_support::Message;
using testing_support::MessageBoxAnswerer;

constexpr int kRowK = 72;

using Faults = ZorbikaTest;

TEST_F(Faults, RunningOutOfMemoryOnAWriteIsError7AndLeavesTheWipedBox)
{
    int writes = 0;
    session.setBeforeTextWrite([&writes] {
        if (++writes == 2) {
            throw std::bad_alloc();
        }
    });
    MessageBoxAnswerer answerer;
    std::u16string behindTheMessage;
    answerer.onMessage = [&] { behindTheMessage = form.Text1.Item(0).Text(); };
    pickRow(kRowK);
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(answerer.seen().front(),
        (Message { u"Zorbika", u"Грешка по време на изпълнение '7':\n\nНедостатъчно памет" }));
    EXPECT_EQ(behindTheMessage, u"");
    EXPECT_EQ(session.endStatus(), rt::kErrorExitStatus);

    session.setBeforeTextWrite({});
    pickRow(kRowK);
    EXPECT_EQ(form.Text1.Item(0).Text(), u"") << "no handler runs after the error";
    EXPECT_EQ(answerer.seen().size(), 1U);
}

TEST_F(Faults, RunningOutOfMemoryOnTheWipeLeavesThePreset)
{
    session.setBeforeTextWrite([] { throw std::bad_alloc(); });
    const std::u16string preset = form.Text1.Item(0).Text();
    const MessageBoxAnswerer answerer;
    pickRow(kRowK);
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_TRUE(answerer.seen().front().text.find(u"'7'") != std::u16string::npos);
    EXPECT_EQ(form.Text1.Item(0).Text(), preset);
    EXPECT_TRUE(preset.starts_with(u"Магнитна азбука"));
}

// The start function with the real project, and the window it made.
Zorbika* started = nullptr;

const rt::ProjectDescription& recordingProject()
{
    static const rt::ProjectDescription project = [] {
        rt::ProjectDescription description = zorbikaProject();
        description.createStartupForm = [](rt::Session& session) -> std::unique_ptr<rt::Form> {
            auto window = std::make_unique<Zorbika>(session);
            started = window.get();
            return window;
        };
        return description;
    }();
    return project;
}

TEST(FaultsOfTheWholeRun, WithoutFaultsThePickLandsAndClosingEndsWithZero)
{
    std::u16string atClose;
    QTimer::singleShot(0, [] {
        auto& list = rt::widgetOf(started->List1);
        list.scrollToItem(list.item(kRowK));
        QTest::mouseClick(
            list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(kRowK)).center());
    });
    QTimer::singleShot(50, [&atClose] {
        atClose = started->Text1.Item(0).Text();
        rt::widgetOf(*started).close();
    });
    EXPECT_EQ(rt::ThunRTMain(recordingProject()), 0);
    EXPECT_EQ(atClose, u"к");
}

TEST(FaultsOfTheWholeRun, AnErrorInAPickEndsTheRunWithStatus1)
{
    const MessageBoxAnswerer answerer;
    QTimer::singleShot(0, [] {
        started->session().setBeforeTextWrite([] { throw std::bad_alloc(); });
        auto& list = rt::widgetOf(started->List1);
        QTest::mouseClick(
            list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    });
    EXPECT_EQ(rt::ThunRTMain(recordingProject()), rt::kErrorExitStatus);
    EXPECT_EQ(answerer.seen().size(), 1U);
}

} // namespace
} // namespace zorbika::testing
