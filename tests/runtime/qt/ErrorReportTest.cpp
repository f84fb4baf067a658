// A run-time error ends the run after its message: these run the start
// function and read what the message box said and what it returned.

#include "Form.h"
#include "MessageBoxAnswerer.h"
#include "RuntimeError.h"
#include "SampleForm.h"
#include "Session.h"
#include "ThunRTMain.h"
#include "Widgets.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <new>

namespace {

using testing_support::MessageBoxAnswerer;

int handlerRuns = 0;

// Runs the start function with a form that `create` makes; answers its
// message boxes and returns its status.
class ErrorReport : public ::testing::Test {
protected:
    void SetUp() override { handlerRuns = 0; }

    int run(std::unique_ptr<rt::Form> (*create)(rt::Session&))
    {
        return rt::ThunRTMain({ .name = "Proba", .version = "1.00", .createStartupForm = create });
    }

    [[nodiscard]] std::u16string onlyMessage() const
    {
        EXPECT_EQ(answerer.seen().size(), 1U);
        if (answerer.seen().empty()) {
            return {};
        }
        EXPECT_EQ(answerer.seen().front().title, u"Proba");
        return answerer.seen().front().text;
    }

    MessageBoxAnswerer answerer;
};

void clickSoon(QWidget& widget, QPoint at)
{
    QTimer::singleShot(
        0, &widget, [&widget, at] { QTest::mouseClick(&widget, Qt::LeftButton, {}, at); });
}

std::unique_ptr<rt::Form> failingOnLoad(rt::Session& session)
{
    auto form = std::make_unique<rt::Form>(session, sample::kForm);
    form->setLoadHandler([] {
        ++handlerRuns;
        throw rt::RuntimeError(rt::RuntimeError::kControlArrayElementMissing);
    });
    return form;
}

std::unique_ptr<rt::Form> failingOnEveryPick(rt::Session& session)
{
    auto form = std::make_unique<rt::Form>(session, sample::kForm);
    auto& list = form->control(sample::List1);
    list.setClickHandler([&list] {
        ++handlerRuns;
        (void)list.List(7);
    });
    auto& widget = rt::widgetOf(list);
    const QPoint row = widget.visualItemRect(widget.item(0)).center();
    clickSoon(*widget.viewport(), row);
    clickSoon(*widget.viewport(), row);
    return form;
}

std::unique_ptr<rt::Form> runningOutOfMemory(rt::Session& session)
{
    auto form = std::make_unique<rt::Form>(session, sample::kForm);
    auto& button = form->array(sample::Command1).Item(1);
    button.setClickHandler([] {
        ++handlerRuns;
        throw std::bad_alloc();
    });
    clickSoon(rt::widgetOf(button), QPoint(5, 5));
    return form;
}

std::unique_ptr<rt::Form> failingToBeCreated(rt::Session& /*session*/)
{
    throw rt::RuntimeError(rt::RuntimeError::kOutOfMemory);
}

std::unique_ptr<rt::Form> closedByTheUser(rt::Session& session)
{
    auto form = std::make_unique<rt::Form>(session, sample::kForm);
    QTimer::singleShot(0, &rt::widgetOf(*form), &QWidget::close);
    return form;
}

TEST_F(ErrorReport, ErrorInLoadEndsBeforeTheFormShows)
{
    EXPECT_EQ(run(&failingOnLoad), rt::kErrorExitStatus);
    EXPECT_TRUE(onlyMessage().starts_with(u"Грешка по време на изпълнение '340':"));
    EXPECT_EQ(handlerRuns, 1);
}

TEST_F(ErrorReport, ErrorInAClickEndsTheProgramAndNoHandlerRunsAfter)
{
    EXPECT_EQ(run(&failingOnEveryPick), rt::kErrorExitStatus);
    EXPECT_TRUE(
        onlyMessage().starts_with(u"Грешка по време на изпълнение '381':\n\nНевалиден индекс"));
    EXPECT_EQ(handlerRuns, 1);
}

TEST_F(ErrorReport, OutOfMemoryIsError7)
{
    EXPECT_EQ(run(&runningOutOfMemory), rt::kErrorExitStatus);
    EXPECT_TRUE(onlyMessage().ends_with(u"'7':\n\nНедостатъчно памет"));
    EXPECT_EQ(handlerRuns, 1);
}

TEST_F(ErrorReport, FailureToCreateTheFormIsReported)
{
    EXPECT_EQ(run(&failingToBeCreated), rt::kErrorExitStatus);
    EXPECT_TRUE(onlyMessage().find(u"'7'") != std::u16string::npos);
}

TEST_F(ErrorReport, ClosingTheFormEndsWithStatusZero)
{
    EXPECT_EQ(run(&closedByTheUser), 0);
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(handlerRuns, 0);
}

TEST(Session, AfterAnErrorNoHandlerRunsAgain)
{
    const MessageBoxAnswerer answerer;
    rt::Session session(u"Proba");
    int runs = 0;
    session.raiseEvent([&runs] {
        ++runs;
        throw rt::RuntimeError(rt::RuntimeError::kInvalidPropertyArrayIndex);
    });
    session.raiseEvent([&runs] { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(session.endStatus(), rt::kErrorExitStatus);
    EXPECT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(rt::Session(u"Proba").endStatus(), std::nullopt) << "each run has its own end";
}

TEST(Session, AnUnknownExceptionIsError51)
{
    const MessageBoxAnswerer answerer;
    rt::Session session(u"Proba");
    session.raiseEvent([] { throw 42; });
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_TRUE(answerer.seen().front().text.find(u"'51'") != std::u16string::npos);
}

TEST(Session, AFaultOfTheProgramEndsItWithItsText)
{
    rt::Session session(u"Proba");
    EXPECT_DEATH(session.raiseEvent([] { throw rt::DefinitionError("no control named 'Lis1'"); }),
        "no control named 'Lis1'");
}

} // namespace
