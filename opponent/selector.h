// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "core/level.h"

namespace ttt {

// The computer's choice for one draw of its reply: the square the level's rules put
// in place of the random draw, or the draw itself when no rule applies. Easy has no
// rules. The rules read the board, the draw and the number of marks on the board.
// A pure function: the answer depends on these three values alone.
Square selectMove(Level level, const Board& board, Square draw);

} // namespace ttt
