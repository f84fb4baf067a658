#include "TextBoxCore.h"

namespace rt {

TextBoxCore::TextBoxCore(TextBoxView& view, DisplayedBreaks display)
    : view_(view)
    , exact_(display)
{
}

void TextBoxCore::load(const std::u16string& text)
{
    history_.programWrote();
    view_.showWhole(exact_.assign(text));
}

void TextBoxCore::write(const std::u16string& text)
{
    history_.programWrote();
    const std::size_t oldLength = exact_.displayLength();
    if (const auto tail = exact_.extend(text)) {
        if (!tail->empty()) {
            view_.appendTail(*tail, oldLength, appendFollows(view_.selection(), oldLength));
        }
        return;
    }
    view_.showWhole(exact_.assign(text));
}

void TextBoxCore::userEdited(const ExactText::Edit& edit, std::u16string_view now)
{
    history_.userChanged(exact_.followEdit(edit, now));
}

void TextBoxCore::userReplaced(std::size_t from, std::size_t removed, std::u16string_view inserted)
{
    history_.userChanged(exact_.replaceDisplayRange(from, removed, inserted));
}

void TextBoxCore::step(HistoryCommand command)
{
    const std::optional<TextChange> change
        = command == HistoryCommand::Undo ? history_.undo() : history_.redo();
    if (change) {
        view_.replaceRange(exact_.apply(*change));
    }
}

TextCommand TextBoxCore::key(TextKey key, const Modifiers& modifiers)
{
    const TextCommand command = textCommandOf(key, modifiers);
    if (command == TextCommand::Undo || command == TextCommand::Redo) {
        step(command == TextCommand::Undo ? HistoryCommand::Undo : HistoryCommand::Redo);
    }
    return command;
}

} // namespace rt
