// Failing control operations in the real program, each in a child process:
// the message names the error, nothing is half-written, and the program
// ends with a non-zero status.

#include "EventDispatch.h"
#include "MessageBoxes.h"
#include "Seams.h"
#include "ZorbikaFixture.h"
#include "ZorbikaProject.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <new>

namespace zorbika::testing {
namespace {

Zorbika* theWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Zorbika*>(widget)) {
            return window;
        }
    }
    return nullptr;
}

// Runs the program, picks row 72 "к" once it shows, and exits with its status.
[[noreturn]] void runAndPick()
{
    // With the composition box's text as it stands behind the message.
    testing_support::answerMessageBoxes([] {
        if (Zorbika* window = theWindow()) {
            const std::u16string text = window->array<rt::TextBox>("Text1").Item(0).Text();
            std::fprintf(stderr, "box=[%s]\n", qPrintable(QString::fromStdU16String(text)));
        }
    });
    QTimer::singleShot(0, [] {
        if (Zorbika* window = theWindow()) {
            auto& list = window->control<rt::ListBox>("List1");
            list.scrollToItem(list.item(72));
            QTest::mouseClick(
                list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(72)).center());
        }
    });
    std::exit(rt::ThunRTMain(zorbikaProject()));
}

TEST(Faults, RunningOutOfMemoryOnAWriteIsError7AndLeavesTheWipedBox)
{
    const auto failSecondWrite = [] {
        int writes = 0;
        rt::seams::beforeTextWrite = [writes]() mutable {
            if (++writes == 2) {
                throw std::bad_alloc();
            }
        };
        runAndPick();
    };
    EXPECT_EXIT(failSecondWrite(), ::testing::ExitedWithCode(rt::kErrorExitStatus),
        "title=Zorbika\ntext=Грешка по време на изпълнение '7':\n\nНедостатъчно памет\nbox=\\[\\]");
}

TEST(Faults, RunningOutOfMemoryOnTheWipeLeavesThePreset)
{
    const auto failFirstWrite = [] {
        rt::seams::beforeTextWrite = [] { throw std::bad_alloc(); };
        runAndPick();
    };
    EXPECT_EXIT(failFirstWrite(), ::testing::ExitedWithCode(rt::kErrorExitStatus),
        "'7'.*box=\\[Магнитна азбука");
}

TEST(Faults, WithoutFaultsThePickLandsAndClosingEndsWithZero)
{
    const auto pickThenClose = [] {
        QTimer::singleShot(50, [] {
            Zorbika* window = theWindow();
            std::fprintf(stderr, "box=[%s]\n",
                qPrintable(
                    QString::fromStdU16String(window->array<rt::TextBox>("Text1").Item(0).Text())));
            window->close();
        });
        runAndPick();
    };
    EXPECT_EXIT(pickThenClose(), ::testing::ExitedWithCode(0), "box=\\[к\\]");
}

} // namespace
} // namespace zorbika::testing
