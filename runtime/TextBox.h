#pragma once

#include "TextBuffer.h"

#include <QPlainTextEdit>
#include <string>

namespace rt {

// A multi-line text box. Its Text is exact: reading it gives back every code
// unit last written, CR LF pairs and all, plus what the user typed since; a
// typed Enter adds CR LF. Changing the text starts no event.
class TextBox final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);
    // A box holding `text` from the start, shown from its top.
    TextBox(const std::u16string& text, QWidget* parent);

    [[nodiscard]] std::u16string Text() const;
    void SetText(const std::u16string& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followDocumentChange(int position, int removed, int added);

    TextBuffer buffer_;
    // True while this class itself writes to the document.
    bool writing_ = false;
};

} // namespace rt
