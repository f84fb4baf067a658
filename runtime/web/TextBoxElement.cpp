#include "TextBoxElement.h"

#include "Bridge.h"
#include "Keys.h"
#include "LineBreaks.h"
#include "Session.h"
#include "TextAppend.h"
#include "TextBoxKeys.h"

#include <algorithm>
#include <array>
#include <new>

namespace rt::web {

namespace {

// From how many characters on an append takes the editing command.
constexpr std::size_t kLongText = 1000;

// The edits a text area makes at its selection, after which the caret stands
// just past what they put in, the rest of the text as it was.
bool editsAtSelection(std::u16string_view inputType)
{
    constexpr std::array<std::u16string_view, 3> kInserts { u"insertText", u"insertLineBreak",
        u"insertParagraph" };
    return inputType.starts_with(u"delete")
        || std::find(kInserts.begin(), kInserts.end(), inputType) != kInserts.end();
}

} // namespace

TextBoxElement::TextBoxElement(Session& session, const Element& form, const std::u16string& text)
    : Element(Tag::TextArea, &form)
    , session_(session)
    , core_(*this, DisplayedBreaks {})
{
    core_.load(text);
}

std::u16string TextBoxElement::Text() const
{
    return core_.text();
}

Selection TextBoxElement::selection() const
{
    return selection(false, core_.exact().displayLength());
}

void TextBoxElement::showWhole(const std::u16string& display)
{
    showText(display);
    rt_dom_select_text(
        id(), static_cast<int>(kAfterWholeWrite.start), static_cast<int>(kAfterWholeWrite.end), 1);
}

void TextBoxElement::appendTail(const std::u16string& tail, std::size_t oldLength, bool follow)
{
    // A short text is laid out again faster than the editing command moves
    // the focus for its edit; a long one takes the command, after which the
    // browser lays out only what is new.
    const bool command = oldLength >= kLongText;
    rt_dom_append(id(), tail.data(), static_cast<int>(tail.size()), static_cast<int>(oldLength),
        follow ? 1 : 0, command ? 1 : 0);
}

void TextBoxElement::replaceRange(const ExactText::DisplayChange& change)
{
    rt_dom_replace(id(), change.inserted.data(), static_cast<int>(change.inserted.size()),
        static_cast<int>(change.from), static_cast<int>(change.from + change.removed), 0);
}

Selection TextBoxElement::selection(bool beforeEdit, std::size_t length) const
{
    int start = 0;
    int end = 0;
    rt_dom_selection(id(), &start, &end, beforeEdit ? 1 : 0);
    const int last = static_cast<int>(length);
    start = std::clamp(start, 0, last);
    return { .start = static_cast<std::size_t>(start),
        .end = static_cast<std::size_t>(std::clamp(end, start, last)) };
}

void TextBoxElement::SetText(const std::u16string& text)
{
    session_.beforeTextWrite();
    core_.write(text);
}

bool TextBoxElement::key(std::u16string_view name, const Modifiers& modifiers)
{
    TextKey which = TextKey::Other;
    if (name == u"Enter") {
        which = TextKey::Enter;
    } else if (name == u"Escape") {
        which = TextKey::Escape;
    } else if (name.size() == 1) {
        which = textKeyOfLetter(name[0]);
    }
    TextCommand command = TextCommand::None;
    session_.raiseEvent([&] { command = core_.key(which, modifiers); });
    switch (command) {
    case TextCommand::NewLine: {
        // Plain Enter is the text area's own.
        if (!modifiers.shift && !modifiers.ctrl) {
            return false;
        }
        const std::u16string line = core_.exact().displayOf(kCrLf);
        rt_dom_insert(id(), line.data(), static_cast<int>(line.size()));
        return true;
    }
    case TextCommand::Swallow:
    case TextCommand::Undo:
    case TextCommand::Redo:
        return true;
    default:
        // The text area selects all and pastes (below) itself.
        return false;
    }
}

ExactText::Edit TextBoxElement::editOf(std::u16string_view inputType) const
{
    const ExactText& exact = core_.exact();
    const std::size_t oldLength = exact.displayLength();
    const auto newLength = static_cast<std::size_t>(std::max(rt_dom_text_length(id()), 0));
    const ExactText::Edit whole { .from = 0, .oldEnd = oldLength, .newEnd = newLength };
    if (!editsAtSelection(inputType)) {
        return whole;
    }
    return exact.editAtSelection(
        selection(true, oldLength), selection(false, newLength).start, newLength);
}

void TextBoxElement::followInput(std::u16string_view inputType)
{
    const ExactText::Edit edit = editOf(inputType);
    const int length
        = rt_dom_slice(id(), static_cast<int>(edit.from), static_cast<int>(edit.newEnd));
    const std::optional<std::u16string_view> now = handedOver(length);
    if (!now) {
        throw std::bad_alloc();
    }
    core_.userEdited(edit, *now);
}

void TextBoxElement::paste(std::u16string_view clipboard)
{
    const std::u16string display = core_.exact().displayOf(withCrLf(clipboard));
    const Selection at = selection();
    core_.userReplaced(at.start, at.end - at.start, display);
    // A paste at the end shows its last line, as typing it would.
    const bool showEnd = at.start + display.size() == core_.exact().displayLength();
    rt_dom_replace(id(), display.data(), static_cast<int>(display.size()),
        static_cast<int>(at.start), static_cast<int>(at.end), showEnd ? 1 : 0);
}

bool TextBoxElement::textEvent(Event type, std::u16string_view text, int modifiers)
{
    // Following the user runs as an event does: no room for the text is a
    // run-time error, not a text that differs from what the box shows.
    switch (type) {
    case Event::Key:
        return key(text, pageModifiers(modifiers));
    case Event::BeforeInput:
        // The context menu's Undo and Redo, and the keys of other layouts.
        if (text == u"historyUndo" || text == u"historyRedo") {
            const HistoryCommand command
                = text == u"historyUndo" ? HistoryCommand::Undo : HistoryCommand::Redo;
            session_.raiseEvent([&] { core_.step(command); });
            return true;
        }
        return false;
    case Event::Input: {
        // The text is the page's buffer, which reading the value reuses.
        const std::u16string inputType(text);
        session_.raiseEvent([&] { followInput(inputType); });
        return true;
    }
    case Event::Paste:
        session_.raiseEvent([&] { paste(text); });
        return true;
    default:
        return false;
    }
}

void TextBoxElement::textLost()
{
    session_.raiseEvent([] { throw std::bad_alloc(); });
}

} // namespace rt::web
