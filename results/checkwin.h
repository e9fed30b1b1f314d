#pragma once

#include "game/board.h"
#include "outcome.h"

namespace ttt {

// Decides whether the mark just placed ended the game. The eight lines are tested
// in a fixed order (rows top to bottom, columns left to right, then the two
// diagonals); the first complete line decides, X before O within a line. A full
// board with no complete line is a draw.
Outcome checkwin(const Board& board, int movecount);

} // namespace ttt
