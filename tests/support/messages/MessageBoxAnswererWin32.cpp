#include "MessageBoxAnswerer.h"

#include <string_view>
#include <windows.h>

namespace testing_support {

class MessageBoxAnswerer::Watch {
public:
    explicit Watch(MessageBoxAnswerer& answerer)
        : timer_(SetTimer(nullptr, 0, 50, &tick))
    {
        // A timer without a window tells its procedure nothing of whose it is.
        current = &answerer;
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;
    Watch(Watch&&) = delete;
    Watch& operator=(Watch&&) = delete;
    ~Watch()
    {
        KillTimer(nullptr, timer_);
        current = nullptr;
    }

private:
    static std::u16string textOf(HWND window)
    {
        wchar_t buffer[512] {};
        const int length = GetWindowTextW(window, buffer, 512);
        return { reinterpret_cast<const char16_t*>(buffer), static_cast<std::size_t>(length) };
    }

    // A message box is a dialog of the thread; its text is the static 0xFFFF.
    static BOOL CALLBACK answer(HWND window, LPARAM /*unused*/)
    {
        wchar_t className[32] {};
        GetClassNameW(window, className, 32);
        if (std::wstring_view(className) != L"#32770" || IsWindowVisible(window) == FALSE
            || current == nullptr) {
            return TRUE;
        }
        current->noted({ textOf(window), textOf(GetDlgItem(window, 0xFFFF)) });
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        return FALSE;
    }

    static void CALLBACK tick(HWND /*window*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/)
    {
        EnumThreadWindows(GetCurrentThreadId(), &answer, 0);
    }

    static inline MessageBoxAnswerer* current = nullptr;
    UINT_PTR timer_;
};

MessageBoxAnswerer::MessageBoxAnswerer()
    : watch_(std::make_unique<Watch>(*this))
{
}

MessageBoxAnswerer::~MessageBoxAnswerer() = default;

} // namespace testing_support
