#pragma once

#include "game/board.h"

namespace ttt {

// The computer's choice for one draw of its reply: the square the level's rules
// put in place of the random draw, or the draw itself when no rule applies.
// Level 1 (Easy) has no rules; 2 is Meduim, 3 Hard, 4 Unbeatable.
// A pure function: the answer depends on these four values alone.
int selectMove(int difficulty, const Board& board, int draw, int movecount);

} // namespace ttt
