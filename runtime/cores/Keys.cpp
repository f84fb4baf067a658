#include "Keys.h"

namespace rt {

namespace {

bool isControl(char16_t c)
{
    return c < u' ' || (c >= u'\x7F' && c <= u'\x9F');
}

} // namespace

bool isShortcut(const Modifiers& modifiers)
{
    return modifiers.ctrl || modifiers.alt || modifiers.meta;
}

bool tabMovesFocus(const Modifiers& modifiers)
{
    return !isShortcut(modifiers);
}

bool enterBreaksLine(const Modifiers& modifiers)
{
    return !modifiers.alt && !modifiers.meta;
}

std::u16string_view typedCharacter(std::u16string_view text, const Modifiers& modifiers)
{
    if (isShortcut(modifiers)) {
        return {};
    }
    const bool single = text.size() == 1 && !isControl(text[0]) && !isHighSurrogate(text[0])
        && !isLowSurrogate(text[0]);
    return single || isSurrogatePair(text) ? text : std::u16string_view {};
}

} // namespace rt
