// What one pick of "Интервал" costs in the Windows program, through the real
// window with its repaint, as the composed text grows; beside the obvious
// port that rewrites the whole edit box with SetWindowTextW per pick. Then a
// resize of the window to a whiteboard's 1920 × 1080 and back, each with its
// repaint, beside a bare edit box given the same text, font change and
// resize. Last, a paste of a million code units into an empty box and a
// character typed in a box that holds them, beside a bare edit box. Prints
// CPU milliseconds, which Wine's timing noise affects least.
// Usage: pick_benchmark.exe (under Wine: see the README's Performance section)

#include "Handles.h"
#include "Session.h"
#include "Zorbika.h"
#include "ZorbikaControls.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

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

// The mean CPU time of `rounds` runs of `round`.
template <class Round> double perRound(int rounds, Round round)
{
    const double start = cpuMilliseconds();
    for (int i = 0; i < rounds; ++i) {
        round();
    }
    return (cpuMilliseconds() - start) / rounds;
}

void sizeTo(HWND window, int width, int height)
{
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    UpdateWindow(window);
    pump();
}

HFONT timesAt(int dpi)
{
    return CreateFontW(-MulDiv(12, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
        RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_DONTCARE, L"Times New Roman");
}

// The floor of a resize: the composition box alone, a bare edit box given the
// place and font the board gives it at 1920 × 1080 (300 dpi), and back.
double bareEditResize(const std::u16string& text, int rounds)
{
    const HWND edit
        = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", reinterpret_cast<const wchar_t*>(text.c_str()),
            WS_POPUP | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 8, 176, 449, 161,
            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(edit, reinterpret_cast<const wchar_t*>(text.c_str()));
    const HFONT usual = timesAt(96);
    const HFONT large = timesAt(300);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(usual), TRUE);
    pump();
    const double result = perRound(rounds, [&] {
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(large), FALSE);
        sizeTo(edit, 1403, 503);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(usual), FALSE);
        sizeTo(edit, 449, 161);
    });
    DestroyWindow(edit);
    DeleteObject(usual);
    DeleteObject(large);
    return result;
}

void putOnClipboard(const std::u16string& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(data), text.c_str(), bytes);
    GlobalUnlock(data);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

// A paste into the emptied `edit`, and a character typed at the end of what
// it pasted, each with its repaint; CPU milliseconds of each.
std::pair<double, double> pasteAndType(HWND edit, int rounds)
{
    double pasting = 0;
    for (int i = 0; i < rounds; ++i) {
        SetWindowTextW(edit, L"");
        pump();
        pasting += perRound(1, [&] {
            SendMessageW(edit, WM_PASTE, 0, 0);
            UpdateWindow(edit);
            pump();
        });
    }
    const double typing = perRound(rounds * 4, [&] {
        SendMessageW(edit, WM_CHAR, L'к', 1);
        UpdateWindow(edit);
        pump();
    });
    return { pasting / rounds, typing };
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

    RECT usual {};
    GetWindowRect(window, &usual);
    RECT client {};
    GetClientRect(window, &client);
    // The outer size that gives a 1920 × 1080 client area.
    const int largeWidth = 1920 + (usual.right - usual.left) - client.right;
    const int largeHeight = 1080 + (usual.bottom - usual.top) - client.bottom;
    std::printf("\n| code units | resize to 1920 x 1080 and back (ms CPU) | bare edit box (ms CPU) "
                "| ratio |\n");
    std::printf("|---:|---:|---:|---:|\n");
    for (const std::size_t units : { 10000U, 1000000U }) {
        const int rounds = units >= 1000000U ? 5 : 20;
        const std::u16string text = compositionOf(units);
        box.SetText(text);
        pump();
        const double ours = perRound(rounds, [&] {
            sizeTo(window, largeWidth, largeHeight);
            sizeTo(window, usual.right - usual.left, usual.bottom - usual.top);
        });
        const double bare = bareEditResize(text, rounds);
        std::printf(
            "| %zu | %.1f | %.1f | %.2f x |\n", units, ours, bare, bare > 0 ? ours / bare : 0.0);
        std::fflush(stdout);
    }
    putOnClipboard(compositionOf(1000000U));
    const HWND bare = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_POPUP | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 8, 176, 449, 161,
        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bare, EM_SETLIMITTEXT, 0, 0);
    const HFONT times = timesAt(96);
    SendMessageW(bare, WM_SETFONT, reinterpret_cast<WPARAM>(times), TRUE);
    constexpr int kRounds = 3;
    const auto [ourPaste, ourTyping] = pasteAndType(edit, kRounds);
    const auto [barePaste, bareTyping] = pasteAndType(bare, kRounds);
    DestroyWindow(bare);
    DeleteObject(times);
    std::printf("\n| 1 000 000 code units | composition box (ms CPU) | bare edit box (ms CPU) "
                "| ratio |\n");
    std::printf("|---|---:|---:|---:|\n");
    std::printf("| a paste | %.1f | %.1f | %.2f x |\n", ourPaste, barePaste,
        barePaste > 0 ? ourPaste / barePaste : 0.0);
    std::printf("| a typed character | %.2f | %.2f | %.2f x |\n", ourTyping, bareTyping,
        bareTyping > 0 ? ourTyping / bareTyping : 0.0);
    return 0;
}
