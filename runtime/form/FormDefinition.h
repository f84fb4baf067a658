#pragma once

#include "Index.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace rt {

enum class ControlKind { TextBox, ListBox, CommandButton, Label };

// A colour as the definition writes it, &H00BBGGRR&.
using Colour = std::uint32_t;

// Left, top, width and height in twips inside the form's client area.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontDefinition {
    std::string_view name {};
    int points = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    // The character set a platform's font mapper asks the font for; 204 is
    // Cyrillic. Where a platform picks glyphs by character, it has no use.
    int charset = 0;
};

// One control as the form definition lists it. Texts are Windows-1251 bytes.
struct ControlDefinition {
    ControlKind kind = ControlKind::Label;
    std::string_view name {};
    // Its element index in the control array of that name; none for a single
    // control.
    std::optional<Index> element {};
    // A text box's Text, a button's or a label's Caption.
    std::string_view text {};
    // A list box's rows.
    std::span<const std::string_view> list {};
    // What a screen reader says of the control, and what more it may tell.
    std::string_view accessibleName {};
    std::string_view accessibleDescription {};
    TwipsRect place {};
    std::optional<Colour> backColour {};
    Index tabIndex = 0;
    bool visible = true;
    bool verticalScrollBar = false;
    bool centred = false;
    // A label that heads the form, as a page's title does.
    bool heading = false;
};

struct FormDefinition {
    std::string_view name {};
    // Windows-1251.
    std::string_view caption {};
    int clientWidth = 0;
    int clientHeight = 0;
    std::optional<Colour> backColour {};
    FontDefinition font {};
    // The window's icon as XPM data; none for the platform's default.
    const char* const* icon = nullptr;
    // A fixed border, where the client area keeps its size; a sizable form
    // grows from it and scales to fill its window (FormFit).
    bool sizable = false;
    bool minButton = true;
    bool maxButton = false;
    // Opens in the middle of its screen.
    bool startCentred = true;
    std::span<const ControlDefinition> controls {};
};

} // namespace rt
