#pragma once

// The window Zorbika, the program's one window.
//
// Its parts: the form definition (ZorbikaDefinition) from which the runtime
// builds the seven controls, under the names of ZorbikaControls; the board
// (board::Board) with the composition rules; and this class, which resolves
// the controls once and wires the events to the board. Input flows one way:
// the runtime raises Load of the form, Click of List1 or Click of a Command1
// element; the board's handler reads and writes the controls through the
// four operations this class lends it.
//
// Names. The form definition comes from a Visual Basic form, and its names
// stay as the form gave them, so that the code reads against it:
// - Text1 is the composition box, List1 the list of characters, Command1
//   the array of the three buttons (Item 0 "Интервал", 1 "Нов ред",
//   2 "Изчисти") and Label1 the array of the labels;
// - Form_Load is the form's Load event, List1_Click and Command1_Click the
//   Click events of the list and of the buttons;
// - FirstPickDone tells whether the first pick has wiped the instruction
//   text yet;
// - ThunRTMain is the runtime's start function, named after the Visual
//   Basic runtime's own;
// - lengths are in twips, 1/1440 inch, as in the form (15 to a pixel at
//   96 dpi);
// - a run-time error carries its Visual Basic number, such as 340 (an
//   element of a control array that does not exist) or 381 (a list index
//   out of range).

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
