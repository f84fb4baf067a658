#pragma once

#include "TextAppend.h"
#include "TextHistory.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// When `text` starts with `current`, the tail that follows it: a write of
// `text` over `current` only extends it, and a control can append just that.
// None when the write changes what was there.
[[nodiscard]] std::optional<std::u16string_view> extensionOf(
    std::u16string_view current, std::u16string_view text);

// A copy of `text` with room to grow, so that appending a character or two
// to it, as a pick does, does not copy it all again.
[[nodiscard]] std::u16string copyWithRoom(std::u16string_view text);

// How a control's display spells line breaks: one character for each,
// whatever the text's own spelling.
struct DisplayedBreaks {
    // The display's character for a line break.
    char16_t separator = u'\n';
    // Every character the display turns into that separator; a CR LF pair
    // becomes one.
    std::u16string_view breaking = u"\r\n";
};

// A text box's exact text, code unit for code unit, and how it maps onto a
// display that keeps one separator for every line break, so that CR LF is
// two code units here and one character there. It keeps the places of those
// pairs to translate positions both ways.
class ExactText {
public:
    explicit ExactText(DisplayedBreaks display)
        : display_(display)
    {
    }

    [[nodiscard]] const std::u16string& text() const { return text_; }
    [[nodiscard]] std::u16string copy() const { return copyWithRoom(text_); }
    // The number of characters the display holds for this text.
    [[nodiscard]] std::size_t displayLength() const { return text_.size() - pairs_.size(); }

    // `text` as the display shows it, whatever this text holds.
    [[nodiscard]] std::u16string displayOf(std::u16string_view text) const;

    // Takes a whole new text; returns it as the display must hold it.
    std::u16string assign(std::u16string text);

    // When `text` only extends the current text, takes it and returns what
    // the display must append; otherwise changes nothing and returns nullopt.
    std::optional<std::u16string> extend(const std::u16string& text);

    // The display's characters [from, to) as they stand for the current text.
    [[nodiscard]] std::u16string displaySlice(std::size_t from, std::size_t to) const;

    // Follows an edit the user made in the display: its characters [from,
    // from + removed) became `inserted`. A separator in it is a typed or
    // pasted line break and becomes CR LF. Returns the change of the text.
    TextChange replaceDisplayRange(
        std::size_t from, std::size_t removed, std::u16string_view inserted);

    // A change of the display: its characters [from, from + removed) became
    // `inserted`.
    struct DisplayChange {
        std::size_t from = 0;
        std::size_t removed = 0;
        std::u16string inserted;
    };
    // Makes `change` of the text, one that an edit of this text once made or
    // took back, so that it starts and ends between the display's
    // characters; returns what the display must change for it.
    DisplayChange apply(const TextChange& change);

    // Where an edit that a display reports as `added` characters from
    // `position` lies, now that the display holds `newLength` characters:
    // [from, oldEnd) of the text's display became [from, newEnd). A report
    // the lengths cannot match stands for the whole display.
    struct Edit {
        std::size_t from = 0;
        std::size_t oldEnd = 0;
        std::size_t newEnd = 0;
    };
    [[nodiscard]] Edit editAt(std::size_t position, std::size_t added, std::size_t newLength) const;
    // The same for an edit made at the display's selection `before`, after
    // which the caret stands at `caret`, just past what it put in: it
    // removed at least what was selected.
    [[nodiscard]] Edit editAtSelection(
        const Selection& before, std::size_t caret, std::size_t newLength) const;

    // Follows `edit`, after which the display shows `now` in its range. Only
    // what really differs changes, so that a display that reports more than
    // it changed leaves the CR LF pairs around the edit as they were. Returns
    // the change of the text.
    TextChange followEdit(const Edit& edit, std::u16string_view now);

    // The position in the text of a position in the display.
    [[nodiscard]] std::size_t textPosition(std::size_t displayPosition) const;
    // The position in the display of a position in the text that is not
    // inside a CR LF pair.
    [[nodiscard]] std::size_t displayPosition(std::size_t textPosition) const;

private:
    [[nodiscard]] bool breaks(char16_t c) const
    {
        return display_.breaking.find(c) != std::u16string_view::npos;
    }
    // Appends the display's form of `piece` to `out`, noting the CR LF pairs
    // at display positions from `displayStart` on.
    void translate(std::u16string_view piece, std::size_t displayStart, std::u16string& out,
        std::vector<std::size_t>& pairs) const;
    // Puts the pairs `added`, in display positions, in place of those in
    // [from, from + removed), and moves the later ones by the difference of
    // `removed` and `inserted` characters.
    void splicePairs(std::size_t from, std::size_t removed, std::size_t inserted,
        const std::vector<std::size_t>& added);

    DisplayedBreaks display_;
    std::u16string text_;
    // Display positions of the separators that stand for CR LF, ascending.
    std::vector<std::size_t> pairs_;
};

} // namespace rt
