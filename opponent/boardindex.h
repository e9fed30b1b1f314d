// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

namespace ttt {

// Every board as a number below 3^9: the squares 1..9 as base-3 digits.
inline constexpr int boardIndexCount = 19683;

constexpr int boardIndex(const Board& board)
{
    int index = 0;
    for (Square square : Board::squares)
        index = index * 3 + static_cast<int>(board.at(square));
    return index;
}

} // namespace ttt
