#include "TextBoxKeys.h"

#include "TextHistory.h"

namespace rt {

TextKey textKeyOfLetter(char16_t letter)
{
    switch (letter) {
    case u'a':
    case u'A':
        return TextKey::A;
    case u'v':
    case u'V':
        return TextKey::V;
    case u'y':
    case u'Y':
        return TextKey::Y;
    case u'z':
    case u'Z':
        return TextKey::Z;
    default:
        return TextKey::Other;
    }
}

TextCommand textCommandOf(TextKey key, const Modifiers& modifiers)
{
    const bool ctrlOnly = modifiers.ctrl && !modifiers.alt && !modifiers.meta;
    switch (key) {
    case TextKey::Enter:
        return enterBreaksLine(modifiers) ? TextCommand::NewLine : TextCommand::Swallow;
    case TextKey::Escape:
        return TextCommand::Swallow;
    case TextKey::Insert:
        return modifiers.shift && !isShortcut(modifiers) ? TextCommand::Paste : TextCommand::None;
    case TextKey::A:
        return ctrlOnly ? TextCommand::SelectAll : TextCommand::None;
    case TextKey::V:
        return ctrlOnly ? TextCommand::Paste : TextCommand::None;
    case TextKey::Y:
    case TextKey::Z:
        if (const auto command = historyCommandOf(key == TextKey::Y ? u'y' : u'z', modifiers)) {
            return *command == HistoryCommand::Undo ? TextCommand::Undo : TextCommand::Redo;
        }
        return TextCommand::None;
    case TextKey::Other:
        return TextCommand::None;
    }
    return TextCommand::None;
}

} // namespace rt
