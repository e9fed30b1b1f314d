// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "results/outcome.h"

#include <optional>
#include <vector>

namespace ttt {

// What a player who cannot see the board is told after an action: only what the
// action changed, each thing once. The player's own mark is not among it: they
// know where they played.
struct News
{
    bool newGame = false;
    // A running game stopped by an option or a new picture set.
    bool stopped = false;
    std::optional<Square> refused;
    // The computer's new mark: its reply, or its opening of a new game.
    std::optional<Square> computerMove;
    // Whose move it is now, told on New Game and after each move of a two-player game.
    std::optional<Mark> toMove;
    // How the game just ended, with the lines that won it.
    Outcome outcome = Outcome::Open;
    std::vector<Line> winningLines;

    bool isEmpty() const
    {
        return !newGame && !stopped && !refused && !computerMove && !toMove &&
               outcome == Outcome::Open;
    }
};

} // namespace ttt
