#include "TextHistory.h"

#include "LineBreaks.h"

#include <utility>

namespace rt {

namespace {

// Steps beyond this many are forgotten, oldest first, so that a long
// session of typing does not keep every keystroke's text.
constexpr std::size_t kMostSteps = 1000;

// One typed or deleted character, a surrogate pair included, but no line
// break: a new line starts a step of its own, as in the toolkits' boxes.
bool isOneCharacter(std::u16string_view text)
{
    return (text.size() == 1 && !isLineBreak(text[0])) || isSurrogatePair(text);
}

} // namespace

TextChange changeBetween(std::u16string_view before, std::u16string_view after)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < shorter - prefix
        && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    return { .from = prefix,
        .removed = std::u16string(before.substr(prefix, before.size() - prefix - suffix)),
        .inserted = std::u16string(after.substr(prefix, after.size() - prefix - suffix)) };
}

std::optional<HistoryCommand> historyCommandOf(char16_t letter, const Modifiers& modifiers)
{
    if (!modifiers.ctrl || modifiers.alt || modifiers.meta) {
        return std::nullopt;
    }
    const char16_t lower
        = letter >= u'A' && letter <= u'Z' ? static_cast<char16_t>(letter - u'A' + u'a') : letter;
    if (lower == u'z') {
        return modifiers.shift ? HistoryCommand::Redo : HistoryCommand::Undo;
    }
    if (lower == u'y' && !modifiers.shift) {
        return HistoryCommand::Redo;
    }
    return std::nullopt;
}

bool TextHistory::continues(const TextChange& change) const
{
    if (!run_ || done_.empty()) {
        return false;
    }
    const TextChange& last = done_.back();
    if (change.removed.empty() && last.removed.empty()) {
        return isOneCharacter(change.inserted) && change.from == last.from + last.inserted.size();
    }
    if (change.inserted.empty() && last.inserted.empty() && isOneCharacter(change.removed)) {
        // Backspace runs to the left, Delete stays where it is.
        return change.from + change.removed.size() == last.from || change.from == last.from;
    }
    return false;
}

void TextHistory::userChanged(TextChange change)
{
    if (change.removed.empty() && change.inserted.empty()) {
        return;
    }
    undone_.clear();
    if (continues(change)) {
        TextChange& last = done_.back();
        if (!change.inserted.empty()) {
            last.inserted += change.inserted;
        } else if (change.from < last.from) {
            last.removed.insert(0, change.removed);
            last.from = change.from;
        } else {
            last.removed += change.removed;
        }
        return;
    }
    run_ = change.removed.empty() ? isOneCharacter(change.inserted)
                                  : change.inserted.empty() && isOneCharacter(change.removed);
    if (done_.size() == kMostSteps) {
        done_.erase(done_.begin());
    }
    done_.push_back(std::move(change));
}

void TextHistory::programWrote()
{
    done_.clear();
    undone_.clear();
    run_ = false;
}

std::optional<TextChange> TextHistory::undo()
{
    if (done_.empty()) {
        return std::nullopt;
    }
    TextChange step = std::move(done_.back());
    done_.pop_back();
    TextChange back { .from = step.from, .removed = step.inserted, .inserted = step.removed };
    undone_.push_back(std::move(step));
    run_ = false;
    return back;
}

std::optional<TextChange> TextHistory::redo()
{
    if (undone_.empty()) {
        return std::nullopt;
    }
    TextChange step = std::move(undone_.back());
    undone_.pop_back();
    done_.push_back(step);
    run_ = false;
    return step;
}

} // namespace rt
