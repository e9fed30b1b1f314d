#pragma once

#include "game/board.h"

#include <string_view>

namespace ttt::test {

// A board written as nine characters for squares 1..9: '.' free, 'X' or 'O'.
inline Board boardFrom(std::string_view text)
{
    Board board;
    for (int square = 1; square <= Board::Squares; ++square) {
        const char cell = text.at(square - 1);
        if (cell != '.')
            board.place(square, cell == 'X' ? X : O);
    }
    return board;
}

// The same board from the squares each side holds, e.g. marks({7, 8, 4}, {1, 2}).
inline Board marks(std::initializer_list<int> xs, std::initializer_list<int> os)
{
    Board board;
    for (int square : xs)
        board.place(square, X);
    for (int square : os)
        board.place(square, O);
    return board;
}

} // namespace ttt::test
