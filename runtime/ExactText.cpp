#include "TextBuffer.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace rt {

namespace {

// The characters a document turns into a paragraph separator when inserted.
bool breaksLine(char16_t c)
{
    return c == u'\r' || c == u'\n' || c == TextBuffer::kSeparator || c == u'\uFDD0'
        || c == u'\uFDD1';
}

} // namespace

void TextBuffer::translate(std::u16string_view piece, std::size_t documentStart,
    std::u16string& out, std::vector<std::size_t>& pairs) const
{
    out.reserve(out.size() + piece.size());
    std::size_t position = documentStart;
    for (std::size_t i = 0; i < piece.size(); ++i, ++position) {
        const char16_t c = piece[i];
        if (c == u'\r' && i + 1 < piece.size() && piece[i + 1] == u'\n') {
            pairs.push_back(position);
            ++i;
        }
        out.push_back(breaksLine(c) ? kSeparator : c);
    }
}

std::u16string TextBuffer::assign(std::u16string text)
{
    std::u16string document;
    std::vector<std::size_t> pairs;
    translate(text, 0, document, pairs);
    text_ = std::move(text);
    pairs_ = std::move(pairs);
    return document;
}

std::optional<std::u16string> TextBuffer::extend(const std::u16string& text)
{
    // Equality only, so the bytes can be compared as bytes, far faster than
    // the code-unit loop of compare().
    if (text.size() < text_.size()
        || std::memcmp(text.data(), text_.data(), text_.size() * sizeof(char16_t)) != 0) {
        return std::nullopt;
    }
    const std::u16string_view tail = std::u16string_view(text).substr(text_.size());
    const std::size_t oldPairs = pairs_.size();
    try {
        const std::size_t start = documentLength();
        std::u16string_view rest = tail;
        // A lone CR at the end and an LF at the start of the tail make one
        // break, which the document already shows.
        if (!text_.empty() && text_.back() == u'\r' && !rest.empty() && rest.front() == u'\n') {
            pairs_.push_back(start - 1);
            rest.remove_prefix(1);
        }
        std::u16string document;
        translate(rest, start, document, pairs_);
        text_ += tail;
        return document;
    } catch (...) {
        pairs_.resize(oldPairs);
        throw;
    }
}

std::size_t TextBuffer::textPosition(std::size_t documentPosition) const
{
    const auto before = std::lower_bound(pairs_.begin(), pairs_.end(), documentPosition);
    return documentPosition + static_cast<std::size_t>(std::distance(pairs_.begin(), before));
}

std::u16string TextBuffer::documentSlice(std::size_t from, std::size_t to) const
{
    std::u16string document;
    document.reserve(to - from);
    auto pair = std::lower_bound(pairs_.begin(), pairs_.end(), from);
    std::size_t at = textPosition(from);
    for (std::size_t position = from; position < to; ++position) {
        if (pair != pairs_.end() && *pair == position) {
            ++pair;
            at += 2;
            document.push_back(kSeparator);
        } else {
            const char16_t c = text_[at++];
            document.push_back(breaksLine(c) ? kSeparator : c);
        }
    }
    return document;
}

void TextBuffer::replaceDocumentRange(
    std::size_t from, std::size_t removed, std::u16string_view inserted)
{
    const std::size_t textFrom = textPosition(from);
    const std::size_t textTo = textPosition(from + removed);

    std::u16string piece;
    std::vector<std::size_t> newPairs;
    piece.reserve(inserted.size());
    for (std::size_t i = 0; i < inserted.size(); ++i) {
        if (inserted[i] == kSeparator) {
            newPairs.push_back(from + i);
            piece += u"\r\n";
        } else {
            piece.push_back(inserted[i]);
        }
    }

    text_.replace(textFrom, textTo - textFrom, piece);
    const auto first = std::lower_bound(pairs_.begin(), pairs_.end(), from);
    const auto last = std::lower_bound(first, pairs_.end(), from + removed);
    auto rest = pairs_.erase(first, last);
    for (auto it = rest; it != pairs_.end(); ++it) {
        *it = *it - removed + inserted.size();
    }
    pairs_.insert(rest, newPairs.begin(), newPairs.end());
}

} // namespace rt
