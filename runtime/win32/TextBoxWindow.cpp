#include "TextBoxWindow.h"

#include "ExactText.h"
#include "Keys.h"
#include "LineBreaks.h"
#include "Session.h"
#include "TextAppend.h"
#include "TextBoxKeys.h"
#include "WideText.h"

namespace rt::win32 {

namespace {

constexpr wchar_t kCtrlA = 0x01;
constexpr wchar_t kCtrlV = 0x16;
constexpr wchar_t kCtrlY = 0x19;
constexpr wchar_t kCtrlZ = 0x1A;
constexpr wchar_t kEscape = 0x1B;

// The messages by which the user changes an edit box's text.
bool userEdits(UINT message)
{
    switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_CUT:
    case WM_CLEAR:
    case WM_PASTE:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
        return true;
    default:
        return false;
    }
}

Selection selectionOf(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return { .start = start, .end = end };
}

std::u16string clipboardText(HWND owner)
{
    std::u16string text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) == FALSE || OpenClipboard(owner) == FALSE) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data)); chars != nullptr) {
            const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < limit && chars[length] != L'\0') {
                ++length;
            }
            text = fromWide(chars, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

TextBoxWindow::TextBoxWindow(Session& session, HWND handle)
    : ChildWindow(handle)
    , session_(session)
{
    // An edit box takes 30,000 characters from the keyboard and the clipboard
    // until told otherwise; a child's text has no such limit.
    SendMessageW(handle, EM_SETLIMITTEXT, 0, 0);
    // The text the window was made with, against which the user's first
    // edit is found.
    static_cast<void>(known());
}

const std::u16string& TextBoxWindow::known() const
{
    // The edit box marks itself modified on every change but the program's,
    // which clears the mark; the length is a second guard.
    const auto length = static_cast<std::size_t>(GetWindowTextLengthW(handle()));
    if (known_ && SendMessageW(handle(), EM_GETMODIFY, 0, 0) == FALSE && known_->size() == length) {
        return *known_;
    }
    std::u16string text(length + 1, u'\0');
    const int copied = GetWindowTextW(
        handle(), reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(length + 1));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    known_ = std::move(text);
    SendMessageW(handle(), EM_SETMODIFY, FALSE, 0);
    return *known_;
}

std::u16string TextBoxWindow::Text() const
{
    return copyWithRoom(known());
}

void TextBoxWindow::SetText(const std::u16string& text)
{
    session_.beforeTextWrite();
    const std::u16string& current = known();
    if (const auto tail = extensionOf(current, text)) {
        const std::size_t oldLength = current.size();
        const std::u16string added(*tail);
        known_->append(added);
        append(added, oldLength);
        SendMessageW(handle(), EM_SETMODIFY, FALSE, 0);
        history_.programWrote();
        return;
    }
    known_.reset();
    // The undo buffer empties.
    SetWindowTextW(handle(), wide(text));
    SendMessageW(handle(), EM_SETSEL, static_cast<WPARAM>(kAfterWholeWrite.start),
        static_cast<LPARAM>(kAfterWholeWrite.end));
    SendMessageW(handle(), EM_SCROLLCARET, 0, 0);
    history_.programWrote();
}

void TextBoxWindow::followUser()
{
    // As in known(): the program's own writes clear the mark, and a
    // replacement of the selection may not set it.
    if (!known_
        || (SendMessageW(handle(), EM_GETMODIFY, 0, 0) == FALSE
            && known_->size() == static_cast<std::size_t>(GetWindowTextLengthW(handle())))) {
        return;
    }
    std::u16string before = std::move(*known_);
    known_.reset();
    history_.userChanged(changeBetween(before, known()));
}

void TextBoxWindow::step(HistoryCommand command)
{
    if (readOnly()) {
        return;
    }
    const std::optional<TextChange> change
        = command == HistoryCommand::Undo ? history_.undo() : history_.redo();
    if (!change) {
        return;
    }
    const std::u16string& current = known();
    if (current.compare(change->from, change->removed.size(), change->removed) != 0) {
        // The text changed in a way the history missed: it cannot be followed back.
        history_.programWrote();
        return;
    }
    known_->replace(change->from, change->removed.size(), change->inserted);
    SendMessageW(handle(), EM_SETSEL, static_cast<WPARAM>(change->from),
        static_cast<LPARAM>(change->from + change->removed.size()));
    // Kept by the box's own undo too, so that its menu offers Undo, which
    // comes back here.
    replaceSelection(change->inserted, true);
    SendMessageW(handle(), EM_SETMODIFY, FALSE, 0);
    SendMessageW(handle(), EM_SCROLLCARET, 0, 0);
}

void TextBoxWindow::append(const std::u16string& tail, std::size_t oldLength)
{
    if (tail.empty()) {
        SendMessageW(handle(), EM_EMPTYUNDOBUFFER, 0, 0);
        return;
    }
    const Selection before = selectionOf(handle());
    const bool caretAtEnd = appendFollows(before, oldLength);
    const auto firstLine = SendMessageW(handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
    const auto end = static_cast<WPARAM>(oldLength);
    SendMessageW(handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
    replaceSelection(tail, false);
    if (!caretAtEnd) {
        // The user's caret and view stay where they were.
        SendMessageW(handle(), EM_SETSEL, static_cast<WPARAM>(before.start),
            static_cast<LPARAM>(before.end));
        const auto nowFirst = SendMessageW(handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
        SendMessageW(handle(), EM_LINESCROLL, 0, firstLine - nowFirst);
    }
    SendMessageW(handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(handle(), nullptr, TRUE);
    if (caretAtEnd) {
        SendMessageW(handle(), EM_SCROLLCARET, 0, 0);
    }
}

void TextBoxWindow::replaceSelection(const std::u16string& text, bool undoable)
{
    SendMessageW(
        handle(), EM_REPLACESEL, undoable ? TRUE : FALSE, reinterpret_cast<LPARAM>(wide(text)));
}

bool TextBoxWindow::readOnly() const
{
    return (GetWindowLongW(handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void TextBoxWindow::paste()
{
    if (readOnly()) {
        return;
    }
    replaceSelection(withCrLf(clipboardText(handle())), true);
}

std::optional<LRESULT> TextBoxWindow::keyDown(WPARAM key)
{
    // The keys that type no character; the others come as characters.
    TextKey which = TextKey::Other;
    if (key == VK_ESCAPE) {
        which = TextKey::Escape;
    } else if (key == VK_INSERT) {
        which = TextKey::Insert;
    }
    return run(textCommandOf(which, heldModifiers()));
}

std::optional<LRESULT> TextBoxWindow::character(wchar_t c)
{
    Modifiers modifiers = heldModifiers();
    TextKey which = TextKey::Other;
    switch (c) {
    case L'\n': // Ctrl+Enter
        modifiers.ctrl = true;
        which = TextKey::Enter;
        break;
    case L'\r':
        which = TextKey::Enter;
        break;
    case kEscape:
        which = TextKey::Escape;
        break;
    case kCtrlA:
    case kCtrlV:
    case kCtrlY:
    case kCtrlZ:
        // The character of a letter held with Ctrl.
        modifiers.ctrl = true;
        which = c == kCtrlA ? TextKey::A
            : c == kCtrlV   ? TextKey::V
            : c == kCtrlY   ? TextKey::Y
                            : TextKey::Z;
        break;
    default:
        return std::nullopt;
    }
    // A control character the box has no use for types nothing either.
    return run(textCommandOf(which, modifiers)).value_or(0);
}

std::optional<LRESULT> TextBoxWindow::run(TextCommand command)
{
    switch (command) {
    case TextCommand::None:
        return std::nullopt;
    case TextCommand::Swallow:
        break;
    case TextCommand::NewLine:
        if (!readOnly()) {
            replaceSelection(std::u16string(kCrLf), true);
        }
        break;
    case TextCommand::SelectAll:
        SendMessageW(handle(), EM_SETSEL, 0, -1);
        break;
    case TextCommand::Paste:
        paste();
        break;
    case TextCommand::Undo:
        step(HistoryCommand::Undo);
        break;
    case TextCommand::Redo:
        step(HistoryCommand::Redo);
        break;
    }
    return 0;
}

LRESULT TextBoxWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    std::optional<LRESULT> taken;
    switch (message) {
    case WM_KEYDOWN:
        taken = keyDown(wParam);
        break;
    case WM_CHAR:
        taken = character(static_cast<wchar_t>(wParam));
        break;
    case WM_PASTE:
        paste();
        taken = 0;
        break;
    // The menu's Undo and Alt+Backspace come as these.
    case WM_UNDO:
    case EM_UNDO:
        step(HistoryCommand::Undo);
        return TRUE;
    case EM_CANUNDO:
        return history_.canUndo() ? TRUE : FALSE;
    default:
        break;
    }
    const LRESULT result = taken ? *taken : ChildWindow::message(message, wParam, lParam);
    if (userEdits(message)) {
        followUser();
    }
    return result;
}

} // namespace rt::win32
