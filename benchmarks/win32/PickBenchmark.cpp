// What one pick of "Интервал" costs in the Windows program, through the real
// window with its repaint, as the composed text grows; beside the obvious
// port that rewrites the whole edit box with SetWindowTextW per pick. Prints
// CPU milliseconds per pick, which Wine's timing noise affects least.
// Usage: pick_benchmark.exe (under Wine: see the README's Performance section)

#include "Handles.h"
#include "Session.h"
#include "Zorbika.h"
#include "ZorbikaControls.h"

#include <cstdio>
#include <string>

namespace {

// A composition of `units` code units in lines of about 60 characters.
std::u16string compositionOf(std::size_t units)
{
    const std::u16string line = u"Магнитна азбука е вид игра за деца и се играе с букви 0123\r\n";
    std::u16string text;
    text.reserve(units + line.size());
    while (text.size() < units) {
        text += line;
    }
    text.resize(units);
    return text;
}

double cpuMilliseconds()
{
    FILETIME created {};
    FILETIME ended {};
    FILETIME kernel {};
    FILETIME user {};
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32U) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

void pump()
{
    MSG message {};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The mean CPU time of `picks` runs of `pick`, each with its repaint.
template <class Pick> double perPick(HWND form, int picks, Pick pick)
{
    const double start = cpuMilliseconds();
    for (int i = 0; i < picks; ++i) {
        pick();
        UpdateWindow(form);
        pump();
    }
    return (cpuMilliseconds() - start) / picks;
}

} // namespace

int main() // NOLINT(bugprone-exception-escape): an escaping exception ends the run
{
    rt::Session session(u"Zorbika");
    zorbika::Zorbika form(session);
    form.load();
    form.showForm();
    pump();
    const HWND window = rt::handleOf(form);
    const HWND space = rt::handleOf(form.Command1.Item(0));
    rt::TextBox& box = form.Text1.Item(zorbika::names::kCompositionBox);
    const HWND edit = rt::handleOf(box);

    std::printf("| code units | pick (ms CPU) | whole rewrite (ms CPU) | ratio |\n");
    std::printf("|---:|---:|---:|---:|\n");
    for (const std::size_t units : { 100U, 1000U, 10000U, 100000U, 1000000U }) {
        const int picks = units >= 100000U ? 5 : 50;
        box.SetText(compositionOf(units));
        SendMessageW(edit, EM_SETSEL, units, static_cast<LPARAM>(units));
        pump();
        const double ours = perPick(window, picks, [&] { SendMessageW(space, BM_CLICK, 0, 0); });
        std::u16string text = box.Text();
        const double naive = perPick(window, picks, [&] {
            text += u' ';
            SetWindowTextW(edit, reinterpret_cast<const wchar_t*>(text.c_str()));
        });
        std::printf(
            "| %zu | %.2f | %.2f | %.0f x |\n", units, ours, naive, ours > 0 ? naive / ours : 0.0);
        std::fflush(stdout);
    }
    return 0;
}
