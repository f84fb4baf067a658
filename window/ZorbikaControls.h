#pragma once

#include "CommandButton.h"
#include "ControlName.h"
#include "Label.h"
#include "ListBox.h"
#include "TextBox.h"

// The names of the window's controls, each written once: the definition lists
// its controls under them and the code resolves them by them.
namespace zorbika::names {

inline constexpr rt::ArrayName<rt::TextBox> Text1 { "Text1" };
inline constexpr rt::ControlName<rt::ListBox> List1 { "List1" };
inline constexpr rt::ArrayName<rt::CommandButton> Command1 { "Command1" };
inline constexpr rt::ArrayName<rt::Label> Label1 { "Label1" };

// The composition box and the quotation box are elements of Text1.
inline constexpr rt::Index kCompositionBox = 0;
inline constexpr rt::Index kQuotationBox = 1;

} // namespace zorbika::names
