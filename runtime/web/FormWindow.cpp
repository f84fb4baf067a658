#include "FormWindow.h"

#include "Bridge.h"
#include "CommandButtonCore.h"
#include "CommandButtonElement.h"
#include "FormContents.h"
#include "FormFit.h"
#include "LabelElement.h"
#include "ListBoxElement.h"
#include "TextBoxElement.h"
#include "Windows1251.h"

#include <algorithm>
#include <optional>

namespace rt {

namespace {

std::u16string number(int value)
{
    std::u16string text;
    for (const char c : std::to_string(value)) {
        text += static_cast<char16_t>(c);
    }
    return text;
}

std::u16string pixels(int value)
{
    return number(value) + u"px";
}

// Two spaces in a row show as one in a page's title, unless they do not break.
std::u16string titleOf(std::u16string caption)
{
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const bool inRun = (i > 0 && caption[i - 1] == u'\u00A0')
            || (i + 1 < caption.size() && caption[i + 1] == u' ');
        if (caption[i] == u' ' && inRun) {
            caption[i] = u'\u00A0';
        }
    }
    return caption;
}

// A serif of the same metrics where the font itself is missing.
std::u16string fontFamilyOf(const FontDefinition& font)
{
    return u'"' + windows1251::decode(font.name) + u"\", \"Liberation Serif\", Tinos, serif";
}

} // namespace

namespace web {

FormWindow::FormWindow(Session& session, const FormDefinition& definition)
    : Element(web::Tag::Form, nullptr)
    , definition_(definition)
    , children_(definition.controls.size())
    , tabOrder_(tabOrder(definition))
{
    // The page's icon comes with the page, as an executable's comes with it.
    // The margin around a scaled form looks like the form.
    const std::u16string background
        = definition.backColour ? web::cssColour(*definition.backColour) : std::u16string();
    const std::u16string title = titleOf(windows1251::decode(definition.caption));
    rt_dom_page(title.data(), static_cast<int>(title.size()), background.data(),
        static_cast<int>(background.size()));
    attribute(u"aria-label", windows1251::decode(definition.caption));
    style(u"width", pixels(twipsToPixels(definition.clientWidth)));
    style(u"height", pixels(twipsToPixels(definition.clientHeight)));
    if (!background.empty()) {
        style(u"background", background);
    }
    style(u"font-family", fontFamilyOf(definition.font));
    // Points at the page's 96 CSS pixels to the inch.
    style(u"font-size", pixels(definition.font.points * kStandardDpi / kPointsPerInch));
    // Made in tab order, which is the document's order that Tab and a screen
    // reader follow; the last in definition order lies on top.
    for (const std::size_t which : tabOrder_) {
        create(session, which);
        children_[which]->style(u"z-index", number(static_cast<int>(which) + 1));
    }
    for (const web::Element* stop : tabStops()) {
        stop->attribute(u"tabindex", u"0");
    }
}

void FormWindow::create(Session& session, std::size_t which)
{
    const ControlDefinition& definition = definition_.controls[which];
    ControlContents contents = contentsOf(definition);
    std::unique_ptr<web::Element> element;
    switch (definition.kind) {
    case ControlKind::TextBox:
        element = std::make_unique<web::TextBoxElement>(session, *this, contents.text);
        element->style(u"overflow-y", definition.verticalScrollBar ? u"scroll" : u"hidden");
        break;
    case ControlKind::ListBox:
        element = std::make_unique<web::ListBoxElement>(session, *this, std::move(contents.rows));
        break;
    case ControlKind::CommandButton:
        element = std::make_unique<web::CommandButtonElement>(session, *this);
        element->showText(contents.text);
        break;
    case ControlKind::Label:
        element = std::make_unique<web::LabelElement>(*this, definition.heading);
        element->showText(contents.text);
        break;
    }
    const bool framed
        = definition.kind == ControlKind::TextBox || definition.kind == ControlKind::ListBox;
    const bool button = definition.kind == ControlKind::CommandButton;
    if (framed || button) {
        element->style(u"border", button ? u"2px outset" : u"2px inset");
    }
    if (button) {
        // An outline lies outside its offset edge: one pixel farther in puts
        // its dots on the face's pixels at the inset.
        element->style(
            u"outline-offset", pixels(-twipsToPixels(CommandButtonCore::kFocusFrameInset) - 1));
    }
    if (definition.backColour) {
        element->style(u"background", web::cssColour(*definition.backColour));
        if (button) {
            element->style(u"border-color", web::cssColour(*definition.backColour));
        }
    } else if (framed) {
        element->style(u"background", u"#ffffff");
    }
    if (definition.centred) {
        element->style(u"text-align", u"center");
    }
    if (!contents.accessibleName.empty()) {
        element->attribute(u"aria-label", contents.accessibleName);
    }
    if (!contents.accessibleDescription.empty()) {
        auto description = std::make_unique<web::Element>(web::Tag::Hidden, this);
        description->showText(contents.accessibleDescription);
        element->attribute(u"aria-describedby", description->name());
        descriptions_.push_back(std::move(description));
    }
    element->place(toPixels(definition.place));
    element->show(definition.visible);
    children_[which] = std::move(element);
}

void FormWindow::fit(int width, int height) const
{
    if (!definition_.sizable) {
        return;
    }
    const FormFit fit = fitForm(width, height, definition_.clientWidth, definition_.clientHeight);
    rt_dom_scale(id(), fit.board.left, fit.board.top, scaleOf(fit));
}

void FormWindow::showForm()
{
    int width = 0;
    int height = 0;
    rt_dom_viewport(&width, &height);
    fit(width, height);
    show(true);
    if (const auto stops = tabStops(); !stops.empty()) {
        stops.front()->focus();
    }
}

std::vector<const web::Element*> FormWindow::tabStops() const
{
    std::vector<const web::Element*> stops;
    for (const std::size_t which : rt::tabStops(definition_)) {
        stops.push_back(children_[which].get());
    }
    return stops;
}

bool FormWindow::event(web::Event type, int a, int b)
{
    switch (type) {
    case web::Event::Resize:
        fit(a, b);
        return true;
    case web::Event::ContextMenu: {
        const std::optional<ControlKind> kind = kindOf(a);
        return !kind || !hasOwnMenu(*kind);
    }
    default:
        return false;
    }
}

std::optional<ControlKind> FormWindow::kindOf(int element) const
{
    for (std::size_t which = 0; which < children_.size(); ++which) {
        if (children_[which]->id() == element) {
            return definition_.controls[which].kind;
        }
    }
    return std::nullopt;
}

bool FormWindow::textEvent(web::Event type, std::u16string_view key, int modifiers)
{
    const Modifiers held = web::pageModifiers(modifiers);
    if (type != web::Event::Key || key != u"Tab" || !tabMovesFocus(held)) {
        return false;
    }
    const web::Element* focused = web::Element::find(rt_dom_focused());
    if (const web::Element* target = tabTarget(tabStops(), focused, held.shift)) {
        target->focus();
    }
    return true;
}

} // namespace web
} // namespace rt
