#pragma once

// The Qt widgets behind a form and its controls, for code that works with Qt
// itself: tests that send real input events, and benchmarks.

#include "CommandButtonWidget.h"
#include "Form.h"
#include "FormWindow.h"
#include "LabelWidget.h"
#include "ListBoxWidget.h"
#include "TextBoxWidget.h"

namespace rt {

// On this platform every control of a kind is that kind's widget.
inline TextBoxWidget& widgetOf(TextBox& control)
{
    return static_cast<TextBoxWidget&>(control);
}
inline ListBoxWidget& widgetOf(ListBox& control)
{
    return static_cast<ListBoxWidget&>(control);
}
inline CommandButtonWidget& widgetOf(CommandButton& control)
{
    return static_cast<CommandButtonWidget&>(control);
}
inline LabelWidget& widgetOf(Label& control)
{
    return static_cast<LabelWidget&>(control);
}
inline qt::FormWindow& widgetOf(const Form& form)
{
    return static_cast<qt::FormWindow&>(form.window());
}

} // namespace rt
