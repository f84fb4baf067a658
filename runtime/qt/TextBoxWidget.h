#pragma once

#include "ExactText.h"
#include "Taps.h"
#include "TextBox.h"
#include "TextHistory.h"

#include <QPlainTextEdit>
#include <string>

namespace rt {

class Session;

// The text box over Qt. Qt's document spells every line break as one
// separator, so the box keeps its own exact copy of the text beside it.
class TextBoxWidget final : public QPlainTextEdit, public TextBox {
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
    void followDocumentChange(int position, int removed, int added);
    // Shows `text` as a new whole text.
    void wholeWrite(const std::u16string& text);
    // Takes a step of the history back, or makes it again; the document's
    // own history is off, since it would hold the program's appends too.
    void step(HistoryCommand command);

    Session& session_;
    ExactText exact_;
    TextHistory history_;
    Taps taps_;
    // True while this class itself writes to the document.
    bool writing_ = false;
};

} // namespace rt
