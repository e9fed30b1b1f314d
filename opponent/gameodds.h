// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/level.h"

namespace ttt {

// Who makes the opening move of a one-player game.
enum class Opener { Human, Computer };

// How the human picks a move. Best: the move with the highest chance that the
// human wins, then the lowest chance that the computer wins, then the lowest
// square. Random: any free square with equal chances.
enum class HumanPlay { Best, Random };

// Chances of a whole game, from the human's side; they add up to 1.
struct GameOdds
{
    double win = 0;
    double draw = 0;
    double loss = 0;
};

// Exact odds of a one-player game at the given level, over the whole game
// tree and the computer's reply chances.
GameOdds gameOdds(Level level, Opener opener, HumanPlay play);

} // namespace ttt
