#pragma once

#include "game/board.h"

#include <array>

namespace ttt {

// The eight lines of three: rows, columns, diagonals.
inline constexpr std::array<std::array<int, 3>, 8> boardLines{{
    {7, 8, 9},
    {4, 5, 6},
    {1, 2, 3},
    {7, 4, 1},
    {8, 5, 2},
    {9, 6, 3},
    {1, 5, 9},
    {3, 5, 7},
}};

constexpr bool hasLine(const Board& board, int mark)
{
    for (const auto& line : boardLines) {
        if (board.at(line[0]) == mark && board.at(line[1]) == mark && board.at(line[2]) == mark)
            return true;
    }
    return false;
}

} // namespace ttt
