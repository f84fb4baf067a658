// A run-time error ends the program after its message; these run the start
// function in a child process and read what the message box said.

#include "CommandButton.h"
#include "EventDispatch.h"
#include "Form.h"
#include "ListBox.h"
#include "MessageBoxes.h"
#include "RuntimeError.h"
#include "SampleForm.h"
#include "ThunRTMain.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {

int handlerRuns = 0;

[[noreturn]] void runAndExit(std::unique_ptr<rt::Form> (*create)())
{
    testing_support::answerMessageBoxes();
    const int status
        = rt::ThunRTMain({ .name = "Proba", .version = "1.00", .createStartupForm = create });
    std::fprintf(stderr, "runs=%d\n", handlerRuns);
    std::exit(status);
}

void clickSoon(QWidget& viewport, QPoint at)
{
    QTimer::singleShot(
        0, &viewport, [&viewport, at] { QTest::mouseClick(&viewport, Qt::LeftButton, {}, at); });
}

std::unique_ptr<rt::Form> failingOnLoad()
{
    auto form = std::make_unique<rt::Form>(sample::kForm);
    form->setLoadHandler([] {
        ++handlerRuns;
        throw rt::RuntimeError(rt::RuntimeError::kControlArrayElementMissing);
    });
    return form;
}

std::unique_ptr<rt::Form> failingOnEveryPick()
{
    auto form = std::make_unique<rt::Form>(sample::kForm);
    auto& list = form->control<rt::ListBox>("List1");
    list.setClickHandler([&list] {
        ++handlerRuns;
        (void)list.List(7);
    });
    const QPoint row = list.visualItemRect(list.item(0)).center();
    clickSoon(*list.viewport(), row);
    clickSoon(*list.viewport(), row);
    return form;
}

std::unique_ptr<rt::Form> runningOutOfMemory()
{
    auto form = std::make_unique<rt::Form>(sample::kForm);
    auto& button = form->array<rt::CommandButton>("Command1").Item(1);
    button.setClickHandler([] {
        ++handlerRuns;
        throw std::bad_alloc();
    });
    clickSoon(button, QPoint(5, 5));
    return form;
}

std::unique_ptr<rt::Form> failingToBeCreated()
{
    throw rt::RuntimeError(rt::RuntimeError::kOutOfMemory);
}

std::unique_ptr<rt::Form> closedByTheUser()
{
    auto form = std::make_unique<rt::Form>(sample::kForm);
    QTimer::singleShot(0, form.get(), &QWidget::close);
    return form;
}

TEST(ErrorReport, ErrorInLoadEndsBeforeTheFormShows)
{
    EXPECT_EXIT(runAndExit(&failingOnLoad), ::testing::ExitedWithCode(rt::kErrorExitStatus),
        "title=Proba\ntext=Грешка по време на изпълнение '340':.*runs=1");
}

TEST(ErrorReport, ErrorInAClickEndsTheProgramAndNoHandlerRunsAfter)
{
    EXPECT_EXIT(runAndExit(&failingOnEveryPick), ::testing::ExitedWithCode(rt::kErrorExitStatus),
        "text=Грешка по време на изпълнение '381':\n\nНевалиден индекс.*runs=1");
}

TEST(ErrorReport, OutOfMemoryIsError7)
{
    EXPECT_EXIT(runAndExit(&runningOutOfMemory), ::testing::ExitedWithCode(rt::kErrorExitStatus),
        "'7':\n\nНедостатъчно памет.*runs=1");
}

TEST(ErrorReport, FailureToCreateTheFormIsReported)
{
    EXPECT_EXIT(
        runAndExit(&failingToBeCreated), ::testing::ExitedWithCode(rt::kErrorExitStatus), "'7'");
}

TEST(ErrorReport, ClosingTheFormEndsWithStatusZero)
{
    EXPECT_EXIT(runAndExit(&closedByTheUser), ::testing::ExitedWithCode(0), "runs=0");
}

} // namespace
