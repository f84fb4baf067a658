#pragma once

#include "CommandButton.h"
#include "ControlName.h"
#include "FormDefinition.h"
#include "Label.h"
#include "ListBox.h"
#include "TextBox.h"
#include "Windows1251.h"

#include <array>
#include <string_view>

namespace sample {

// A small form of every kind of control, for the runtime's own tests.
inline constexpr rt::ArrayName<rt::TextBox> Text1 { "Text1" };
inline constexpr rt::ControlName<rt::ListBox> List1 { "List1" };
inline constexpr rt::ArrayName<rt::CommandButton> Command1 { "Command1" };
inline constexpr rt::ArrayName<rt::Label> Label1 { "Label1" };

inline constexpr auto kCaption = rt::windows1251::encode(u"Проба");
inline constexpr auto kGreeting = rt::windows1251::encode(u"Здравей\r\nсвят\r\n");
inline constexpr auto kOk = rt::windows1251::encode(u"Добре");
inline constexpr auto kRowX = rt::windows1251::encode(u"х");
inline constexpr auto kRowY = rt::windows1251::encode(u"у");
inline constexpr std::array<std::string_view, 2> kRows
    = { rt::windows1251::view(kRowX), rt::windows1251::view(kRowY) };

inline constexpr std::array kControls = {
    rt::ControlDefinition { .kind = rt::kindOf(Command1),
        .name = Command1.name,
        .element = 1,
        .text = rt::windows1251::view(kOk),
        .place = { 1500, 150, 1500, 375 },
        .backColour = 0x000000FF,
        .tabIndex = 2 },
    rt::ControlDefinition { .kind = rt::kindOf(List1),
        .name = List1.name,
        .list = kRows,
        .place = { 150, 150, 1200, 1500 },
        .tabIndex = 1 },
    rt::ControlDefinition { .kind = rt::kindOf(Text1),
        .name = Text1.name,
        .element = 3,
        .text = rt::windows1251::view(kGreeting),
        .place = { 150, 1800, 3000, 900 },
        .tabIndex = 3,
        .visible = false },
    rt::ControlDefinition { .kind = rt::kindOf(Text1),
        .name = Text1.name,
        .element = 0,
        .text = rt::windows1251::view(kGreeting),
        .place = { 150, 1800, 3000, 900 },
        .tabIndex = 0 },
    rt::ControlDefinition { .kind = rt::kindOf(Label1),
        .name = Label1.name,
        .element = 0,
        .text = rt::windows1251::view(kCaption),
        .place = { 3000, 0, 1000, 300 },
        .tabIndex = 4 },
};

inline constexpr auto kFontName = rt::windows1251::encode(u"Liberation Serif");

inline const rt::FormDefinition kForm {
    .name = "Sample",
    .caption = rt::windows1251::view(kCaption),
    .clientWidth = 4500,
    .clientHeight = 3000,
    .backColour = 0x00FFC0C0,
    .font = { .name = rt::windows1251::view(kFontName), .points = 12 },
    .controls = kControls,
};

} // namespace sample
