#include "Element.h"

#include "Bridge.h"

#include <emscripten.h>
#include <new>
#include <vector>

namespace rt::web {

namespace {

// The elements that hear events, by their page number.
std::vector<Element*>& registry()
{
    static std::vector<Element*> elements;
    return elements;
}

// Where the page puts a text it hands over.
std::u16string& buffer()
{
    static std::u16string text;
    return text;
}

int length(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

// Tells the page the names of the events and modifier bits, once, before
// the first element it makes.
int make(Tag tag, const Element* parent)
{
    static const bool named = [] {
        for (const EventName& event : kEventNames) {
            rt_dom_define(0, event.name.data(), length(event.name), static_cast<int>(event.event));
        }
        for (std::size_t i = 0; i < kPageModifiers.size(); ++i) {
            rt_dom_define(1, kPageModifierNames.at(i).data(), length(kPageModifierNames.at(i)),
                static_cast<int>(kPageModifiers.at(i).code));
        }
        rt_dom_define(1, kPageRepeatName.data(), length(kPageRepeatName), kPageRepeat);
        return true;
    }();
    (void)named;
    const std::u16string_view kind = nameOf(tag);
    return rt_dom_create(kind.data(), length(kind), parent != nullptr ? parent->id() : 0);
}

} // namespace

Element::Element(Tag tag, const Element* parent)
    : id_(make(tag, parent))
{
    auto& elements = registry();
    if (elements.size() <= static_cast<std::size_t>(id_)) {
        elements.resize(static_cast<std::size_t>(id_) + 1, nullptr);
    }
    elements[static_cast<std::size_t>(id_)] = this;
}

Element::~Element()
{
    registry()[static_cast<std::size_t>(id_)] = nullptr;
    rt_dom_destroy(id_);
}

std::u16string Element::name() const
{
    const std::string name = "rt" + std::to_string(id_);
    return { name.begin(), name.end() };
}

void Element::place(const PixelRect& place) const
{
    rt_dom_place(id_, place.left, place.top, place.width, place.height);
}

void Element::style(std::u16string_view property, std::u16string_view value) const
{
    rt_dom_style(id_, property.data(), length(property), value.data(), length(value));
}

void Element::attribute(std::u16string_view name, std::u16string_view value) const
{
    rt_dom_attribute(id_, name.data(), length(name), value.data(), length(value));
}

void Element::showText(std::u16string_view text) const
{
    rt_dom_text(id_, text.data(), length(text));
}

void Element::show(bool shown) const
{
    rt_dom_show(id_, shown ? 1 : 0);
}

void Element::focus() const
{
    rt_dom_focus(id_);
}

Element* Element::find(int id)
{
    const auto& elements = registry();
    return id > 0 && static_cast<std::size_t>(id) < elements.size()
        ? elements[static_cast<std::size_t>(id)]
        : nullptr;
}

std::optional<std::u16string_view> handedOver(int length)
{
    const std::u16string& text = buffer();
    if (length < 0 || static_cast<std::size_t>(length) > text.size()) {
        return std::nullopt;
    }
    return std::u16string_view(text).substr(0, static_cast<std::size_t>(length));
}

std::u16string cssColour(Colour colour)
{
    const Rgb rgb = toRgb(colour);
    const std::string css = "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + ","
        + std::to_string(rgb.blue) + ")";
    return { css.begin(), css.end() };
}

} // namespace rt::web

// The page's events, and the buffer it hands texts over in.
extern "C" {

EMSCRIPTEN_KEEPALIVE char16_t* rt_web_buffer(int length)
{
    try {
        std::u16string& text = rt::web::buffer();
        text.resize(static_cast<std::size_t>(length));
        return text.data();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

EMSCRIPTEN_KEEPALIVE int rt_web_event(int id, int type, int a, int b)
{
    rt::web::Element* element = rt::web::Element::find(id);
    return element != nullptr && element->event(static_cast<rt::web::Event>(type), a, b) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int rt_web_text_event(int id, int type, int length, int a)
{
    rt::web::Element* element = rt::web::Element::find(id);
    if (element == nullptr) {
        return 0;
    }
    const std::optional<std::u16string_view> text = rt::web::handedOver(length);
    if (!text) {
        element->textLost();
        return 1;
    }
    return element->textEvent(static_cast<rt::web::Event>(type), *text, a) ? 1 : 0;
}

// The pointer's kind, the DOM's `pointerType`, comes as the text handed over.
EMSCRIPTEN_KEEPALIVE int rt_web_pointer_event(
    int id, int type, int kindLength, int button, int pointer, int primary, int row)
{
    rt::web::Element* element = rt::web::Element::find(id);
    if (element == nullptr) {
        return 0;
    }
    const rt::PointerKind kind = rt::web::handedOver(kindLength) == u"mouse"
        ? rt::PointerKind::Mouse
        : rt::PointerKind::Finger;
    const rt::web::PointerReport report {
        .press = { .kind = kind, .button = button, .pointer = pointer, .primary = primary != 0 },
        .row = row,
    };
    return element->pointerEvent(static_cast<rt::web::Event>(type), report) ? 1 : 0;
}
}
