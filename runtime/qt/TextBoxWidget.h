#pragma once

#include "Taps.h"
#include "TextBox.h"
#include "TextBoxCore.h"

#include <QPlainTextEdit>
#include <string>

namespace rt {

class Session;

// The text box over Qt: it hands the document's changes, its keys and the
// menu's Undo and Redo to the text box's core and shows what it says. Qt's
// document spells every line break as one separator; the core keeps the
// exact text beside it.
class TextBoxWidget final : public QPlainTextEdit, public TextBox, private TextBoxView {
public:
    TextBoxWidget(Session& session, QWidget* parent = nullptr);
    // A box holding `text` from the start, shown from its top.
    TextBoxWidget(Session& session, const std::u16string& text, QWidget* parent);

    [[nodiscard]] std::u16string Text() const override;
    void SetText(const std::u16string& text) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    [[nodiscard]] Selection selection() const override;
    void showWhole(const std::u16string& display) override;
    void appendTail(const std::u16string& tail, std::size_t oldLength, bool follow) override;
    void replaceRange(const ExactText::DisplayChange& change) override;

    void followDocumentChange(int position, int removed, int added);

    Session& session_;
    // The document's own history is off: it would hold the program's
    // appends too.
    TextBoxCore core_;
    Taps taps_;
    // True while this class itself writes to the document.
    bool writing_ = false;
};

} // namespace rt
