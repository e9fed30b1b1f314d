// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

namespace ttt {

// How a move left the game.
enum class Outcome { Open, XWins, OWins, Draw };

// The end-of-move check: the first complete line (see boardLines) wins; a full board
// without one is a draw.
constexpr Outcome outcomeOf(const Board& board)
{
    switch (winner(board)) {
    case Mark::X:
        return Outcome::XWins;
    case Mark::O:
        return Outcome::OWins;
    case Mark::Free:
        break;
    }
    return board.isFull() ? Outcome::Draw : Outcome::Open;
}

} // namespace ttt
