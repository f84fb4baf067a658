#pragma once

#include "Keys.h"
#include "Taps.h"
#include "Units.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rt::web {

// What the page makes, by the names dom.js knows its kinds by.
enum class Tag { Form, TextArea, ListBox, ListRow, Button, Label, Heading, Hidden };

[[nodiscard]] constexpr std::u16string_view nameOf(Tag tag)
{
    constexpr std::array<std::u16string_view, 8> kNames { u"form", u"textarea", u"listbox", u"row",
        u"button", u"label", u"heading", u"description" };
    return kNames.at(static_cast<std::size_t>(tag));
}

// What the page reports of an element; dom.js sends the numbers under the
// names of kEventNames.
enum class Event {
    // A key pressed: its name (the DOM's `key`) as the text, and the
    // modifiers (kPageModifiers).
    Key = 1,
    // A button's click.
    Press = 2,
    // The user changed a text area: the kind of the edit (`inputType`).
    Input = 3,
    // Pasted into a text area: the clipboard's text.
    Paste = 4,
    // The page's viewport has a new size: its width and height in CSS pixels.
    Resize = 5,
    // A text area is about to change: the kind of the edit. Taken, it is
    // refused.
    BeforeInput = 6,
    // A pointer pressed, lifted or taken by the browser for its own
    // scrolling, over an element: a PointerReport.
    PointerDown = 7,
    PointerUp = 8,
    PointerCancel = 9,
    // A touch ended over an element. Taken, the browser makes no mouse
    // events or click of it.
    TouchEnd = 10,
    // The context menu asked for over the form: the number of the element
    // under the pointer. Taken, no menu opens.
    ContextMenu = 11,
};

struct EventName {
    Event event = Event::Key;
    std::u16string_view name;
};

inline constexpr std::array<EventName, 11> kEventNames { { { Event::Key, u"key" },
    { Event::Press, u"press" }, { Event::Input, u"input" }, { Event::Paste, u"paste" },
    { Event::Resize, u"resize" }, { Event::BeforeInput, u"beforeinput" },
    { Event::PointerDown, u"pointerdown" }, { Event::PointerUp, u"pointerup" },
    { Event::PointerCancel, u"pointercancel" }, { Event::TouchEnd, u"touchend" },
    { Event::ContextMenu, u"contextmenu" } } };

// The phase of a pointer's event, for Taps; none for another event.
[[nodiscard]] constexpr std::optional<PointerPhase> phaseOf(Event type)
{
    switch (type) {
    case Event::PointerDown:
        return PointerPhase::Down;
    case Event::PointerUp:
        return PointerPhase::Up;
    case Event::PointerCancel:
        return PointerPhase::Cancel;
    default:
        return std::nullopt;
    }
}

// A pointer event as the page reports it: the press and, in a list, the row
// under the pointer, or -1.
struct PointerReport {
    PointerPress press;
    int row = -1;
};

// The bits of the modifiers that dom.js sends with a key, and its names
// for them, in the same order.
inline constexpr std::array<ModifierCode, 4> kPageModifiers { {
    { 1, Modifier::Shift },
    { 2, Modifier::Ctrl },
    { 4, Modifier::Alt },
    { 8, Modifier::Meta },
} };
inline constexpr std::array<std::u16string_view, 4> kPageModifierNames { u"shift", u"ctrl", u"alt",
    u"meta" };

// The bit dom.js sets beside the modifiers on a key's auto-repeat.
inline constexpr int kPageRepeat = 16;
inline constexpr std::u16string_view kPageRepeatName = u"repeat";

[[nodiscard]] inline bool pageRepeat(int bits)
{
    return (bits & kPageRepeat) != 0;
}

[[nodiscard]] inline Modifiers pageModifiers(int bits)
{
    return modifiersOf(kPageModifiers,
        [bits](unsigned code) { return (static_cast<unsigned>(bits) & code) != 0; });
}

// The text the page handed over last, `length` code units of it; none when
// it found no room.
[[nodiscard]] std::optional<std::u16string_view> handedOver(int length);

// An element of the page, made with this object and removed with it. The
// page's events for it come to event(), textEvent() and pointerEvent(), which return true
// when they took the event, so that the page does nothing more with it.
class Element {
public:
    Element(Tag tag, const Element* parent);
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
    Element(Element&&) = delete;
    Element& operator=(Element&&) = delete;
    virtual ~Element();

    [[nodiscard]] int id() const { return id_; }
    // The page's name of the element, for references between elements.
    [[nodiscard]] std::u16string name() const;

    void place(const PixelRect& place) const;
    void style(std::u16string_view property, std::u16string_view value) const;
    void attribute(std::u16string_view name, std::u16string_view value) const;
    // The text the element shows.
    void showText(std::u16string_view text) const;
    void show(bool shown) const;
    void focus() const;

    virtual bool event(Event /*type*/, int /*a*/, int /*b*/) { return false; }
    virtual bool textEvent(Event /*type*/, std::u16string_view /*text*/, int /*a*/)
    {
        return false;
    }
    virtual bool pointerEvent(Event /*type*/, const PointerReport& /*report*/) { return false; }
    // A text event whose text found no room in memory.
    virtual void textLost() { }

    // The element whose page number is `id`, or null.
    [[nodiscard]] static Element* find(int id);

private:
    int id_;
};

// A CSS colour for &H00BBGGRR&.
[[nodiscard]] std::u16string cssColour(Colour colour);

} // namespace rt::web
