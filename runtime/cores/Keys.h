#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace rt {

// The modifier keys held with a key, whatever the platform calls them.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    // The system's own key: Windows, Command or Super.
    bool meta = false;
};

enum class Modifier { Shift, Ctrl, Alt, Meta };

// A platform's code for a modifier: a bit of its events' modifiers, or the
// key it asks the state of.
struct ModifierCode {
    unsigned code = 0;
    Modifier modifier = Modifier::Shift;
};

// The modifiers whose codes in `codes` are `held`.
template <typename Held>
[[nodiscard]] Modifiers modifiersOf(std::span<const ModifierCode> codes, Held held)
{
    // In the order of Modifier.
    constexpr std::array<bool Modifiers::*, 4> kFlags { &Modifiers::shift, &Modifiers::ctrl,
        &Modifiers::alt, &Modifiers::meta };
    Modifiers modifiers;
    for (const ModifierCode& code : codes) {
        if (held(code.code)) {
            modifiers.*kFlags.at(static_cast<std::size_t>(code.modifier)) = true;
        }
    }
    return modifiers;
}

// A key held with Ctrl, Alt or the system key is a shortcut: it types
// nothing and moves no focus.
[[nodiscard]] bool isShortcut(const Modifiers& modifiers);

// Whether Tab with `modifiers` moves the focus, backwards with Shift.
[[nodiscard]] bool tabMovesFocus(const Modifiers& modifiers);

// Whether Enter with `modifiers` makes a new line in a text box: alone, with
// Shift or with Ctrl. With Alt or the system key it is the system's.
[[nodiscard]] bool enterBreaksLine(const Modifiers& modifiers);

[[nodiscard]] constexpr bool isHighSurrogate(char16_t c)
{
    return c >= u'\xD800' && c <= u'\xDBFF';
}

[[nodiscard]] constexpr bool isLowSurrogate(char16_t c)
{
    return c >= u'\xDC00' && c <= u'\xDFFF';
}

// Whether `text` is one character beyond the 16-bit plane.
[[nodiscard]] constexpr bool isSurrogatePair(std::u16string_view text)
{
    return text.size() == 2 && isHighSurrogate(text[0]) && isLowSurrogate(text[1]);
}

// What a key types, from the platform's text for it: one character, a
// surrogate pair included, that is not a control character; empty for a
// shortcut and for a key that names no character ("Enter", "Dead").
[[nodiscard]] std::u16string_view typedCharacter(
    std::u16string_view text, const Modifiers& modifiers);

} // namespace rt
