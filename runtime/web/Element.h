#pragma once

#include "Units.h"

#include <string>
#include <string_view>

namespace rt::web {

// What the page makes; the numbers are those of dom.js.
enum class Tag {
    Form = 0,
    TextArea = 1,
    ListBox = 2,
    ListRow = 3,
    Button = 4,
    Label = 5,
    Hidden = 6
};

// What the page reports of an element, with the numbers dom.js sends.
enum class Event {
    // A key pressed: its key code, and the modifiers (Shift 1, Ctrl 2, Alt 4,
    // Meta 8); for a list, the typed text, with the modifiers in the high half.
    Key = 1,
    // A press of the mouse's main button, a tap, or a button's click: the row.
    Press = 2,
    // Tab on the form: the focused element, and whether Shift is held.
    Tab = 3,
    // The user changed a text area: its whole value.
    Input = 4,
    // Pasted into a text area: the clipboard's text.
    Paste = 5,
    // The page's viewport has a new size: its width and height in CSS pixels.
    Resize = 6,
};

inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
inline constexpr int kMeta = 8;

// An element of the page, made with this object and removed with it. The
// page's events for it come to event() and textEvent(), which return true
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
    // A CSS property, an attribute ("@name"), the shown text ("#text") or
    // the page's title ("#title").
    void set(std::u16string_view name, std::u16string_view value) const;
    void show(bool shown) const;
    void focus() const;

    virtual bool event(Event /*type*/, int /*a*/, int /*b*/) { return false; }
    virtual bool textEvent(Event /*type*/, std::u16string_view /*text*/, int /*a*/)
    {
        return false;
    }
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
