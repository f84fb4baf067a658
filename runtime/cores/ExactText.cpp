#include "ExactText.h"

#include "LineBreaks.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace rt {

std::optional<std::u16string_view> extensionOf(
    std::u16string_view current, std::u16string_view text)
{
    // Equality only, so the bytes can be compared as bytes, far faster than
    // the code-unit loop of compare().
    if (text.size() < current.size()
        || std::memcmp(text.data(), current.data(), current.size() * sizeof(char16_t)) != 0) {
        return std::nullopt;
    }
    return text.substr(current.size());
}

void ExactText::translate(std::u16string_view piece, std::size_t displayStart, std::u16string& out,
    std::vector<std::size_t>& pairs) const
{
    // Filled in place, the characters at least: no call that may throw for
    // each (see withCrLf).
    std::size_t at = out.size();
    out.resize(at + piece.size());
    std::size_t position = displayStart;
    for (std::size_t i = 0; i < piece.size(); ++i, ++position) {
        const char16_t c = piece[i];
        if (c == u'\r' && i + 1 < piece.size() && piece[i + 1] == u'\n') {
            pairs.push_back(position);
            ++i;
        }
        out[at++] = breaks(c) ? display_.separator : c;
    }
    out.resize(at);
}

std::u16string copyWithRoom(std::u16string_view text)
{
    constexpr std::size_t kRoom = 16;
    std::u16string copy;
    copy.reserve(text.size() + kRoom);
    copy = text;
    return copy;
}

std::u16string ExactText::displayOf(std::u16string_view text) const
{
    std::u16string display;
    std::vector<std::size_t> pairs;
    translate(text, 0, display, pairs);
    return display;
}

std::u16string ExactText::assign(std::u16string text)
{
    std::u16string display;
    std::vector<std::size_t> pairs;
    translate(text, 0, display, pairs);
    text_ = std::move(text);
    pairs_ = std::move(pairs);
    return display;
}

std::optional<std::u16string> ExactText::extend(const std::u16string& text)
{
    const std::optional<std::u16string_view> tail = extensionOf(text_, text);
    if (!tail) {
        return std::nullopt;
    }
    const std::size_t oldPairs = pairs_.size();
    try {
        const std::size_t start = displayLength();
        std::u16string_view rest = *tail;
        // A lone CR at the end and an LF at the start of the tail make one
        // break, which the display already shows.
        if (!text_.empty() && text_.back() == u'\r' && !rest.empty() && rest.front() == u'\n') {
            pairs_.push_back(start - 1);
            rest.remove_prefix(1);
        }
        std::u16string display;
        translate(rest, start, display, pairs_);
        text_ += *tail;
        return display;
    } catch (...) {
        pairs_.resize(oldPairs);
        throw;
    }
}

std::size_t ExactText::textPosition(std::size_t displayPosition) const
{
    const auto before = std::lower_bound(pairs_.begin(), pairs_.end(), displayPosition);
    return displayPosition + static_cast<std::size_t>(std::distance(pairs_.begin(), before));
}

std::u16string ExactText::displaySlice(std::size_t from, std::size_t to) const
{
    // Filled in place: no call in the loop that may throw (see withCrLf).
    std::u16string display(to - from, u'\0');
    auto pair = std::lower_bound(pairs_.begin(), pairs_.end(), from);
    std::size_t at = textPosition(from);
    for (std::size_t position = from; position < to; ++position) {
        char16_t& out = display[position - from];
        if (pair != pairs_.end() && *pair == position) {
            ++pair;
            at += 2;
            out = display_.separator;
        } else {
            const char16_t c = text_[at++];
            out = breaks(c) ? display_.separator : c;
        }
    }
    return display;
}

TextChange ExactText::replaceDisplayRange(
    std::size_t from, std::size_t removed, std::u16string_view inserted)
{
    const std::size_t textFrom = textPosition(from);
    const std::size_t textTo = textPosition(from + removed);

    // Filled in place: no call in the loop that may throw (see withCrLf).
    const auto separators = static_cast<std::size_t>(
        std::count(inserted.begin(), inserted.end(), display_.separator));
    std::u16string piece(inserted.size() + separators, u'\0');
    std::vector<std::size_t> newPairs(separators);
    std::size_t at = 0;
    std::size_t pair = 0;
    for (std::size_t i = 0; i < inserted.size(); ++i) {
        if (inserted[i] == display_.separator) {
            newPairs[pair++] = from + i;
            piece[at++] = kCrLf[0];
            piece[at++] = kCrLf[1];
        } else {
            piece[at++] = inserted[i];
        }
    }

    TextChange change {
        .from = textFrom, .removed = text_.substr(textFrom, textTo - textFrom), .inserted = piece
    };
    text_.replace(textFrom, textTo - textFrom, piece);
    splicePairs(from, removed, inserted.size(), newPairs);
    return change;
}

void ExactText::splicePairs(std::size_t from, std::size_t removed, std::size_t inserted,
    const std::vector<std::size_t>& added)
{
    const auto first = std::lower_bound(pairs_.begin(), pairs_.end(), from);
    const auto last = std::lower_bound(first, pairs_.end(), from + removed);
    auto rest = pairs_.erase(first, last);
    for (auto it = rest; it != pairs_.end(); ++it) {
        *it = *it - removed + inserted;
    }
    pairs_.insert(rest, added.begin(), added.end());
}

std::size_t ExactText::displayPosition(std::size_t textPosition) const
{
    // The pair at display position pairs_[i] takes the text's code units
    // from pairs_[i] + i on, two of them.
    std::size_t before = 0;
    std::size_t after = pairs_.size();
    while (before < after) {
        const std::size_t middle = before + (after - before) / 2;
        if (pairs_[middle] + middle + 2 <= textPosition) {
            before = middle + 1;
        } else {
            after = middle;
        }
    }
    return textPosition - before;
}

ExactText::DisplayChange ExactText::apply(const TextChange& change)
{
    const std::size_t from = displayPosition(change.from);
    DisplayChange display { .from = from,
        .removed = displayPosition(change.from + change.removed.size()) - from,
        .inserted = {} };
    std::vector<std::size_t> newPairs;
    translate(change.inserted, display.from, display.inserted, newPairs);
    text_.replace(change.from, change.removed.size(), change.inserted);
    splicePairs(display.from, display.removed, display.inserted.size(), newPairs);
    return display;
}

ExactText::Edit ExactText::editAt(
    std::size_t position, std::size_t added, std::size_t newLength) const
{
    const std::size_t oldLength = displayLength();
    const std::size_t newEnd = position + added;
    if (newEnd > newLength || newEnd + oldLength < newLength + position) {
        return { 0, oldLength, newLength };
    }
    return { position, newEnd + oldLength - newLength, newEnd };
}

ExactText::Edit ExactText::editAtSelection(
    const Selection& before, std::size_t caret, std::size_t newLength) const
{
    const std::size_t from = std::min(before.start, caret);
    const Edit edit = editAt(from, caret - from, newLength);
    return edit.oldEnd < before.end ? Edit { 0, displayLength(), newLength } : edit;
}

TextChange ExactText::followEdit(const Edit& edit, std::u16string_view now)
{
    const std::u16string before = displaySlice(edit.from, edit.oldEnd);
    std::size_t prefix = 0;
    while (prefix < now.size() && prefix < before.size() && now[prefix] == before[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < now.size() - prefix && suffix < before.size() - prefix
        && now[now.size() - 1 - suffix] == before[before.size() - 1 - suffix]) {
        ++suffix;
    }
    return replaceDisplayRange(edit.from + prefix, before.size() - prefix - suffix,
        now.substr(prefix, now.size() - prefix - suffix));
}

} // namespace rt
