#include "TextBoxElement.h"

#include "Bridge.h"
#include "LineBreaks.h"
#include "Session.h"

#include <new>

namespace rt::web {

namespace {

// A textarea's value: LF for every line break, CR LF and lone CR alike.
constexpr DisplayedBreaks kValueBreaks { .separator = u'\n', .breaking = u"\r\n" };
constexpr int kEnter = 13;

} // namespace

TextBoxElement::TextBoxElement(Session& session, const Element& form, const std::u16string& text)
    : Element(Tag::TextArea, &form)
    , session_(session)
    , exact_(kValueBreaks)
{
    set(u"#text", exact_.assign(text));
}

std::u16string TextBoxElement::Text() const
{
    return exact_.copy();
}

void TextBoxElement::SetText(const std::u16string& text)
{
    session_.beforeTextWrite();
    const std::size_t oldLength = exact_.displayLength();
    if (const auto tail = exact_.extend(text)) {
        rt_dom_append(
            id(), tail->data(), static_cast<int>(tail->size()), static_cast<int>(oldLength));
        return;
    }
    set(u"#text", exact_.assign(text));
}

void TextBoxElement::insert(std::u16string_view display) const
{
    rt_dom_insert(id(), display.data(), static_cast<int>(display.size()));
}

bool TextBoxElement::event(Event type, int key, int modifiers)
{
    // Enter with Shift or Ctrl is a new line too; plain Enter is the
    // textarea's own.
    if (type == Event::Key && key == kEnter && (modifiers & (kShift | kCtrl)) != 0
        && (modifiers & (kAlt | kMeta)) == 0) {
        insert(exact_.displayOf(kCrLf));
        return true;
    }
    return false;
}

bool TextBoxElement::textEvent(Event type, std::u16string_view text, int /*a*/)
{
    // Following the user runs as an event does: no room for the text is a
    // run-time error, not a text that differs from what the box shows.
    switch (type) {
    case Event::Input:
        session_.raiseEvent(
            [&] { exact_.follow(exact_.editAt(0, text.size(), text.size()), text); });
        return true;
    case Event::Paste:
        session_.raiseEvent([&] { insert(exact_.displayOf(withCrLf(text))); });
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
