#pragma once

// The letter board's rules, and the names the whole program uses for them.
//
// Names. The window comes from a Visual Basic form, and its names stay as
// the form gave them, so that the code reads against it; this is the one
// place that explains them, and the others point here:
// - Text1 is the array of the two text boxes (Item 0 the composition box,
//   1 the hidden quotation), List1 the list of characters, Command1 the
//   array of the three buttons (Item 0 "Интервал", 1 "Нов ред",
//   2 "Изчисти") and Label1 the array of the labels (Item 0 the title);
//   Item(i) is the element i of an array;
// - Text is a text box's whole text, ListIndex the list's selected row (-1
//   for none) and List(i) the text of its row i;
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

#include "BoardControls.h"
#include "BoardTypes.h"

namespace board {

// The composition rules of the letter board: what a pick in the character
// list or a press of one of the three buttons does to the composition box.
// The box's text is the only copy of the composed text; the board keeps none.
class Board {
public:
    // Element indices of the button array Command1.
    static constexpr Index kSpaceButton = 0;
    static constexpr Index kNewLineButton = 1;
    static constexpr Index kClearButton = 2;

    explicit Board(BoardControls& controls)
        : controls_(controls)
    {
    }

    void Form_Load();
    void List1_Click();
    void Command1_Click(Index index);

    [[nodiscard]] Boolean firstPickDone() const { return FirstPickDone; }

private:
    void appendToComposition(std::u16string_view piece);

    BoardControls& controls_;
    // False until the first pick, which wipes the preset text.
    Boolean FirstPickDone = False;
};

} // namespace board
