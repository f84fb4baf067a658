#pragma once

// The window Zorbika, the program's one window.
//
// Its parts: the form definition (ZorbikaDefinition) from which the runtime
// builds the seven controls, under the names of ZorbikaControls; the board
// (board::Board) with the composition rules; and this class, which resolves
// the controls once and wires the events to the board. Input flows one way:
// the runtime raises Load of the form, Click of List1 or Click of a Command1
// element; the board's handler reads and writes the controls through the
// four operations this class lends it. Its names (Text1, List1_Click, ...)
// are explained in board/Board.h.

#include "Board.h"
#include "BoardControls.h"
#include "CommandButton.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "ListBox.h"
#include "TextBox.h"

namespace zorbika {

class Zorbika final : public rt::Form, private board::BoardControls {
public:
    explicit Zorbika(rt::Session& session);

    // The controls, as the code behind the window names them.
    const rt::ControlArray<rt::TextBox> Text1;
    rt::ListBox& List1;
    const rt::ControlArray<rt::CommandButton> Command1;
    const rt::ControlArray<rt::Label> Label1;

private:
    board::Text compositionText() override;
    void setCompositionText(const board::Text& text) override;
    board::Index listIndex() override;
    board::Text listRow(board::Index row) override;

    board::Board board_ { *this };
};

} // namespace zorbika
