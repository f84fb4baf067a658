#pragma once

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
