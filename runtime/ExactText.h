#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// A text box's own copy of its text, code unit for code unit, and how it maps
// onto the widget's document. The document keeps one paragraph separator for
// every line break, whatever its spelling (CR LF, CR, LF, ...), so CR LF is
// two code units here and one character there; this class keeps the places of
// those pairs to translate positions both ways.
class TextBuffer {
public:
    // How the document spells a line break.
    static constexpr char16_t kSeparator = u'\u2029';

    [[nodiscard]] const std::u16string& text() const { return text_; }
    // The number of characters the document holds for this text.
    [[nodiscard]] std::size_t documentLength() const { return text_.size() - pairs_.size(); }

    // Takes a whole new text; returns it as the document must hold it.
    std::u16string assign(std::u16string text);

    // When `text` starts with the current text, takes it and returns what the
    // document must append; otherwise changes nothing and returns nullopt.
    std::optional<std::u16string> extend(const std::u16string& text);

    // The document's characters [from, to) as they stand for the current text.
    [[nodiscard]] std::u16string documentSlice(std::size_t from, std::size_t to) const;

    // Follows an edit made in the document: its characters [from, from +
    // removed) became `inserted`. A separator the user inserted is a new line
    // and becomes CR LF.
    void replaceDocumentRange(std::size_t from, std::size_t removed, std::u16string_view inserted);

    // The position in the text of a position in the document.
    [[nodiscard]] std::size_t textPosition(std::size_t documentPosition) const;

private:
    // Appends the document's form of `piece` to `out`, noting the CR LF pairs
    // at document positions from `documentStart` on.
    void translate(std::u16string_view piece, std::size_t documentStart, std::u16string& out,
        std::vector<std::size_t>& pairs) const;

    std::u16string text_;
    // Document positions of the separators that stand for CR LF, ascending.
    std::vector<std::size_t> pairs_;
};

} // namespace rt
