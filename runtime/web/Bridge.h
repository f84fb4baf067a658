#pragma once

// The functions of dom.js, as the C++ side calls them. Strings go as 16-bit
// code units and their count.
extern "C" {
// Names an event (`group` 0) or a modifier bit (1) for the page.
void rt_dom_define(int group, const char16_t* name, int nameLength, int value);
// Makes an element of the kind dom.js knows by `kind`; returns its number.
int rt_dom_create(const char16_t* kind, int kindLength, int parent);
void rt_dom_destroy(int id);
void rt_dom_place(int id, int left, int top, int width, int height);
// Draws the element `scale` times its size, its top-left corner at (left, top).
void rt_dom_scale(int id, int left, int top, double scale);
// The size of the page's viewport, in CSS pixels.
void rt_dom_viewport(int* width, int* height);
void rt_dom_style(
    int id, const char16_t* property, int propertyLength, const char16_t* value, int valueLength);
void rt_dom_attribute(
    int id, const char16_t* name, int nameLength, const char16_t* value, int valueLength);
// The text the element shows.
void rt_dom_text(int id, const char16_t* text, int length);
// The page's title, and its colour around the form.
void rt_dom_page(
    const char16_t* title, int titleLength, const char16_t* background, int backgroundLength);
// Appends at the display's end, `oldLength`; the caret follows if `follows`.
// With `command`, through the browser's editing command.
void rt_dom_append(
    int id, const char16_t* text, int length, int oldLength, int follows, int command);
// Inserts at the selection as the user's typing.
void rt_dom_insert(int id, const char16_t* text, int length);
// Selects the text area's characters [start, end); with `top`, shows its
// first line.
void rt_dom_select_text(int id, int start, int end, int top);
// Puts `text` in place of the text area's characters [from, to), the caret
// after it; scrolls to the end if `showEnd`.
void rt_dom_replace(int id, const char16_t* text, int length, int from, int to, int showEnd);
// The text area's selection now, or (`before`) before its last edit.
void rt_dom_selection(int id, int* start, int* end, int before);
int rt_dom_text_length(int id);
// Hands the text area's characters [from, to) over; returns their count, or
// -1 where there is no room for them.
int rt_dom_slice(int id, int from, int to);
// The element with the focus, or 0.
int rt_dom_focused();
void rt_dom_select_row(int id, int row, int selected);
void rt_dom_show_row(int id, int row);
void rt_dom_list_metrics(int id, int* viewHeight, int* rowHeight);
void rt_dom_show(int id, int shown);
void rt_dom_focus(int id);
void rt_dom_error(const char16_t* title, int titleLength, const char16_t* message,
    int messageLength, const char16_t* button, int buttonLength);
void rt_dom_end();
}
