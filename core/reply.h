// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

#include <optional>

namespace ttt {

// How the computer's reply settles on a square, at every level. Each draw of a reply
// gives a random square. While fewer than nine draws of this reply have come to
// nothing, the level's rules may put another square in its place; from then on the
// random square alone decides. A draw that ends on a taken square, or on no square at
// all, comes to nothing and the reply draws again, so every reply ends on a free square.
// The game's move cycle and the exact odds of a reply both follow these two functions.

inline constexpr int ruleDraws = 9;

// Where one draw ends: the free square it settles on, or nothing when the reply must
// draw again. `missedDraws` counts this reply's draws that came to nothing so far;
// `rules(draw)` is the square the level's rules give for the draw.
template <typename Rules>
constexpr std::optional<Square> settleDraw(const Board& board, Square draw, int missedDraws,
                                           const Rules& rules)
{
    const int square = missedDraws < ruleDraws ? rules(draw) : draw;
    if (Board::isSquare(square) && board.isFree(square))
        return square;
    return std::nullopt;
}

// The whole reply on a board with a free square: `nextDraw()` gives the draws.
template <typename NextDraw, typename Rules>
Square replySquare(const Board& board, NextDraw&& nextDraw, const Rules& rules)
{
    for (int missed = 0;; ++missed) {
        if (const std::optional<Square> square = settleDraw(board, nextDraw(), missed, rules))
            return *square;
    }
}

} // namespace ttt
