// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

#include <initializer_list>

namespace ttt::test {

// A board from the squares each side holds, e.g. marks({7, 8, 4}, {1, 2}).
inline Board marks(std::initializer_list<Square> xs, std::initializer_list<Square> os)
{
    Board board;
    for (Square square : xs)
        board.place(square, Mark::X);
    for (Square square : os)
        board.place(square, Mark::O);
    return board;
}

} // namespace ttt::test
