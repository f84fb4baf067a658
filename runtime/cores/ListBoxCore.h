#pragma once

#include "Index.h"
#include "Keys.h"
#include "ListKeys.h"
#include "Taps.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

class Session;

// What a list box's core asks of the platform's list: to show, never to
// decide.
class ListBoxView {
public:
    ListBoxView() = default;
    ListBoxView(const ListBoxView&) = delete;
    ListBoxView& operator=(const ListBoxView&) = delete;
    ListBoxView(ListBoxView&&) = delete;
    ListBoxView& operator=(ListBoxView&&) = delete;
    virtual ~ListBoxView() = default;

    // Shows `row` selected, with the focus frame; called for every pick,
    // one of the row already shown selected too, which a screen reader
    // must hear again.
    virtual void showSelected(int row) = 0;
    // Scrolls `row` into view.
    virtual void showRow(int row) = 0;
    virtual void takeFocus() = 0;
    // The height of the view and of one row, in the same units.
    [[nodiscard]] virtual ListMetrics metrics() const = 0;
};

// Every rule of a list box, whatever draws it: its rows, its selection and
// the row with the focus frame, and what a press, a tap, a key and a typed
// character do. A pick selects a row and raises Click, a pick of the
// selected row too, so that a child can pick the same letter twice:
// - the mouse's main button picks the row under it on its press, and a
//   double-click is two presses; a drag and a release pick nothing;
// - a finger picks the row it tapped at its lift (Taps); a swipe scrolls;
// - the keys move the selection and pick the row they land on (ListKeys);
// - a typed character picks the row that is exactly that character.
class ListBoxCore {
public:
    // `dragDistance`: how far, in pixels, a finger may move and still tap.
    ListBoxCore(Session& session, ListBoxView& view, int dragDistance = 0);

    void setRows(std::vector<std::u16string> rows) { rows_ = std::move(rows); }
    [[nodiscard]] const std::vector<std::u16string>& rows() const { return rows_; }
    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

    // ListIndex: the selected row, or kNoSelection.
    [[nodiscard]] Index selected() const { return selected_; }
    // List(row): a row's text; run-time error 381 for a row it lacks.
    [[nodiscard]] std::u16string row(Index row) const;

    // A pointer's event over `row` of the list, or -1 where there is none.
    // True when the list took it: the toolkit's own list must not select,
    // drag or search with it.
    bool pointer(PointerPhase phase, const PointerPress& press, int row);
    [[nodiscard]] const Taps& taps() const { return taps_; }
    // Whether the touch that ended tapped, so that no click is made of it.
    [[nodiscard]] bool touchEnded() { return taps_.touchEnded(); }

    // A key; true when the list took it.
    bool key(ListKey key);
    // A character typed, with the modifiers held; true when it picked.
    bool typed(std::u16string_view text, const Modifiers& modifiers);

private:
    [[nodiscard]] bool isRow(int row) const;
    void select(int row);
    void pick(int row);

    Session& session_;
    ListBoxView& view_;
    std::function<void()> click_;
    std::vector<std::u16string> rows_;
    Taps taps_;
    Index selected_ = kNoSelection;
    // The row the finger now down touched.
    int touchedRow_ = -1;
};

} // namespace rt
