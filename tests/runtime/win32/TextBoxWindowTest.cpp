// The text box over an EDIT control: its Text is exact, writes that extend
// the text append, and the keyboard and clipboard keep CR LF.

#include "TextBoxWindow.h"

#include "SampleWindow.h"

namespace win32_testing {
namespace {

using TextBoxWindow = SampleWindow;

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
};

// `length` code units of Bulgarian words.
std::u16string words(std::size_t length)
{
    std::u16string text;
    while (text.size() < length) {
        text += u"ябълка и круша\r\n";
    }
    text.resize(length);
    return text;
}

Selection selectionOf(HWND edit)
{
    Selection selection;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
        reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

TEST_F(TextBoxWindow, TextIsExactWhateverItHolds)
{
    EXPECT_EQ(box.Text(), u"Здравей\r\nсвят\r\n");
    for (const std::u16string& text : { std::u16string(u"a\nb\rc\r\n"), std::u16string(u""),
             std::u16string(u"Ж\u2029\U0001F600 \t  "), words(40000) }) {
        box.SetText(text);
        EXPECT_EQ(box.Text(), text);
    }
}

TEST_F(TextBoxWindow, AnExtendingWriteKeepsACaretAtTheEndAtTheNewEnd)
{
    const std::u16string start = box.Text();
    SendMessageW(boxWindow(), EM_SETSEL, start.size(), static_cast<LPARAM>(start.size()));
    box.SetText(start + u"а");
    EXPECT_EQ(box.Text(), start + u"а");
    const Selection atEnd = selectionOf(boxWindow());
    EXPECT_EQ(atEnd.start, start.size() + 1);
    EXPECT_EQ(atEnd.end, start.size() + 1);

    // A caret elsewhere stays where the user left it.
    SendMessageW(boxWindow(), EM_SETSEL, 2, 4);
    box.SetText(start + u"аб");
    const Selection kept = selectionOf(boxWindow());
    EXPECT_EQ(kept.start, 2U);
    EXPECT_EQ(kept.end, 4U);
}

// The edit box's own text, past the box's copy of it.
std::u16string windowText(HWND edit)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(
        edit, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    return text;
}

// The box keeps its own copy of the text between writes; every edit of the
// user's must reach it, one that keeps the length too.
TEST_F(TextBoxWindow, TextFollowsEveryEditOfTheUserBetweenWrites)
{
    box.SetText(u"ab");
    SendMessageW(boxWindow(), EM_SETSEL, 2, 2);
    sendChar(boxWindow(), L'c');
    box.SetText(box.Text() + u"d");
    EXPECT_EQ(box.Text(), u"abcd");
    sendChar(boxWindow(), L'\b');
    EXPECT_EQ(box.Text(), u"abc");
    SendMessageW(boxWindow(), EM_SETSEL, 0, 1);
    sendChar(boxWindow(), L'x');
    EXPECT_EQ(box.Text(), u"xbc") << "typed over a selection of its own length";
    SendMessageW(boxWindow(), EM_UNDO, 0, 0);
    EXPECT_EQ(box.Text(), windowText(boxWindow()));
    box.SetText(box.Text() + u"e");
    EXPECT_EQ(windowText(boxWindow()), box.Text());
}

TEST_F(TextBoxWindow, ASelectionUpToTheEndStaysThroughAnAppend)
{
    box.SetText(u"abc");
    SendMessageW(boxWindow(), EM_SETSEL, 1, 3);
    box.SetText(u"abcd");
    const Selection kept = selectionOf(boxWindow());
    EXPECT_EQ(kept.start, 1U);
    EXPECT_EQ(kept.end, 3U);
}

TEST_F(TextBoxWindow, TheUserCannotUndoAWrittenText)
{
    box.SetText(u"ab");
    SendMessageW(boxWindow(), EM_SETSEL, 2, 2);
    sendChar(boxWindow(), L'c');
    box.SetText(u"abcd"); // extends
    SendMessageW(boxWindow(), WM_UNDO, 0, 0);
    EXPECT_EQ(box.Text(), u"abcd");
    box.SetText(u"x"); // replaces
    SendMessageW(boxWindow(), EM_UNDO, 0, 0);
    EXPECT_EQ(box.Text(), u"x");
}

TEST_F(TextBoxWindow, EveryEnterIsCrLf)
{
    box.SetText(u"");
    sendChar(boxWindow(), L'a');
    sendChar(boxWindow(), L'\r'); // Enter, Shift+Enter
    sendChar(boxWindow(), L'\n'); // Ctrl+Enter
    sendChar(boxWindow(), L'b');
    EXPECT_EQ(box.Text(), u"a\r\n\r\nb");
    // With the system key, Enter is the system's.
    setKeyHeld(VK_LWIN, true);
    sendChar(boxWindow(), L'\r');
    setKeyHeld(VK_LWIN, false);
    EXPECT_EQ(box.Text(), u"a\r\n\r\nb");
}

TEST_F(TextBoxWindow, PastedLineBreaksBecomeCrLfAndLongTextsArriveWhole)
{
    box.SetText(u"");
    putOnClipboard(boxWindow(), u"я\nб\rв\r\nг\u2029д");
    SendMessageW(boxWindow(), WM_PASTE, 0, 0);
    EXPECT_EQ(box.Text(), u"я\r\nб\r\nв\r\nг\r\nд");

    // Past the 30,000 characters an edit box takes by default, through
    // Ctrl+V.
    const std::u16string big = words(40000);
    putOnClipboard(boxWindow(), big);
    box.SetText(u"");
    setKeyHeld(VK_CONTROL, true);
    sendChar(boxWindow(), 0x16);
    setKeyHeld(VK_CONTROL, false);
    EXPECT_EQ(box.Text(), big);
}

TEST_F(TextBoxWindow, CtrlASelectsAllAndEscapeLeavesWindowAndText)
{
    const std::u16string text = box.Text();
    setKeyHeld(VK_CONTROL, true);
    sendKey(boxWindow(), 'A');
    sendChar(boxWindow(), 0x01);
    setKeyHeld(VK_CONTROL, false);
    const Selection all = selectionOf(boxWindow());
    EXPECT_EQ(all.start, 0U);
    EXPECT_EQ(all.end, text.size());

    SetFocus(boxWindow());
    sendKey(boxWindow(), VK_ESCAPE);
    sendChar(boxWindow(), 0x1B);
    pump();
    EXPECT_TRUE(IsWindowVisible(rt::handleOf(form)));
    EXPECT_EQ(box.Text(), text);
}

} // namespace
} // namespace win32_testing
