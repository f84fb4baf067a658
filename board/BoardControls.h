#pragma once

#include "BoardTypes.h"

namespace board {

// The four control operations the board needs, and nothing more. The window
// implements them over its real controls; tests implement them in memory.
// Any of them may throw: the board lets failures pass to whoever raised the
// event.
class BoardControls {
public:
    BoardControls() = default;
    BoardControls(const BoardControls&) = delete;
    BoardControls& operator=(const BoardControls&) = delete;
    BoardControls(BoardControls&&) = delete;
    BoardControls& operator=(BoardControls&&) = delete;
    virtual ~BoardControls() = default;

    // Text of the composition box, Text1(0).Text.
    [[nodiscard]] virtual Text compositionText() = 0;
    virtual void setCompositionText(const Text& text) = 0;
    // List1.ListIndex: the selected row, or kNoRow.
    [[nodiscard]] virtual Index listIndex() = 0;
    // List1.List(row).
    [[nodiscard]] virtual Text listRow(Index row) = 0;
};

} // namespace board
