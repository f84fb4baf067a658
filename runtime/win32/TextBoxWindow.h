#pragma once

#include "ChildWindow.h"
#include "TextBox.h"
#include "TextBoxKeys.h"
#include "TextHistory.h"

#include <optional>
#include <string>

namespace rt {

class Session;

namespace win32 {

// The text box over a multi-line EDIT control, which keeps UTF-16 and CR LF
// as they are: its Text is its window text. A write that only extends the
// text appends the new tail, so a pick costs the same in a long text as in a
// short one.
class TextBoxWindow final : public TextBox, public ChildWindow {
public:
    TextBoxWindow(Session& session, HWND handle);

    [[nodiscard]] std::u16string Text() const override;
    void SetText(const std::u16string& text) override;

protected:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void replaceSelection(const std::u16string& text, bool undoable);
    [[nodiscard]] bool readOnly() const;
    void paste();
    void append(const std::u16string& tail, std::size_t oldLength);
    // The window's text, read again only when the user has changed it.
    [[nodiscard]] const std::u16string& known() const;
    // Keeps the user's change, if `message` made one, in the history.
    void followUser();
    // Takes a step of the history back, or makes it again; the edit box's
    // own undo has one level, which toggles.
    void step(HistoryCommand command);
    // What the box does with a key or a character of its own; none passes
    // it on to the edit box.
    [[nodiscard]] std::optional<LRESULT> keyDown(WPARAM key);
    [[nodiscard]] std::optional<LRESULT> character(wchar_t c);
    // Does what the text box's rules say of a key; none leaves the key to
    // the edit box.
    [[nodiscard]] std::optional<LRESULT> run(TextCommand command);

    Session& session_;
    mutable std::optional<std::u16string> known_;
    TextHistory history_;
};

} // namespace win32
} // namespace rt
