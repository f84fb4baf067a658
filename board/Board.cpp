#include "Board.h"

namespace board {

void Board::Form_Load()
{
    FirstPickDone = False;
}

void Board::List1_Click()
{
    if (FirstPickDone == False) {
        // Set before the wipe, so that a failing wipe still leaves the board
        // composing.
        FirstPickDone = True;
        controls_.setCompositionText(Text());
    }
    const Index row = controls_.listIndex();
    if (controls_.listIndex() == kNoRow) {
        return;
    }
    Text text = controls_.compositionText();
    text += controls_.listRow(row);
    controls_.setCompositionText(text);
}

void Board::Command1_Click(Index index)
{
    switch (index) {
    case kSpaceButton:
        appendToComposition(u" ");
        break;
    case kNewLineButton:
        appendToComposition(kLineBreak);
        break;
    case kClearButton:
        controls_.setCompositionText(Text());
        break;
    default:
        break;
    }
}

void Board::appendToComposition(std::u16string_view piece)
{
    Text text = controls_.compositionText();
    text += piece;
    controls_.setCompositionText(text);
}

} // namespace board
