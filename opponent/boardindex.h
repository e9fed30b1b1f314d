#pragma once

#include "game/board.h"

namespace ttt {

// Every board as a number below 3^9: the squares 1..9 as base-3 digits.
inline constexpr int boardIndexCount = 19683;

constexpr int boardIndex(const Board& board)
{
    int index = 0;
    for (int square = 1; square <= Board::Squares; ++square)
        index = index * 3 + board.at(square);
    return index;
}

} // namespace ttt
