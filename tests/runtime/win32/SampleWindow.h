#pragma once

// The sample form over Win32, shown, with its controls' windows at hand and
// input sent to them as messages through their window procedures.

#include "Form.h"
#include "Handles.h"
#include "SampleForm.h"
#include "Session.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace win32_testing {

// Runs what the message queue holds now.
inline void pump()
{
    MSG message {};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Holds or releases a modifier key for GetKeyState, as the keyboard would.
inline void setKeyHeld(int key, bool held)
{
    BYTE keys[256] {};
    GetKeyboardState(keys);
    keys[key] = held ? 0x80 : 0;
    SetKeyboardState(keys);
}

inline void sendKey(HWND window, WPARAM key)
{
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001U));
}

inline void sendChar(HWND window, wchar_t character)
{
    SendMessageW(window, WM_CHAR, character, 1);
}

inline void putOnClipboard(HWND owner, const std::u16string& text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    ASSERT_NE(memory, nullptr);
    auto* target = static_cast<char16_t*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), target);
    target[text.size()] = u'\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class SampleWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.setClickHandler([this] { picks.push_back(list.ListIndex()); });
        form.showForm();
        pump();
    }

    void TearDown() override
    {
        setKeyHeld(VK_CONTROL, false);
        setKeyHeld(VK_SHIFT, false);
        setKeyHeld(VK_MENU, false);
    }

    [[nodiscard]] HWND boxWindow() const { return rt::handleOf(box); }
    [[nodiscard]] HWND listWindow() const { return rt::handleOf(list); }

    [[nodiscard]] LPARAM centreOfRow(int row) const
    {
        RECT item {};
        SendMessageW(listWindow(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        SendMessageW(listWindow(), LB_GETITEMRECT, static_cast<WPARAM>(row),
            reinterpret_cast<LPARAM>(&item));
        return MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    }

    void press(int row) const
    {
        const LPARAM at = centreOfRow(row);
        SendMessageW(listWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(listWindow(), WM_LBUTTONUP, 0, at);
    }

    rt::Session session { u"Проба" };
    rt::Form form { session, sample::kForm };
    rt::TextBox& box = form.array(sample::Text1).Item(0);
    rt::ListBox& list = form.control(sample::List1);
    rt::CommandButton& button = form.array(sample::Command1).Item(1);
    std::vector<rt::Index> picks;
};

} // namespace win32_testing
