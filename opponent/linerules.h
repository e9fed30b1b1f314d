// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rule.h"

namespace ttt {

// One rule a row, as the rule tables are written.
// clang-format off

// Completing the computer's own line: two O marks in a line whose third square is
// free take that square. Where several hold, the earlier row wins.
inline constexpr Rule winSequence[] = {
    {"W1",  "7=2, 8=2, 9=0", 9},
    {"W2",  "4=2, 5=2, 6=0", 6},
    {"W3",  "1=2, 2=2, 3=0", 3},
    {"W4",  "8=2, 9=2, 7=0", 7},
    {"W5",  "5=2, 6=2, 4=0", 4},
    {"W6",  "2=2, 3=2, 1=0", 1},
    {"W7",  "7=2, 9=2, 8=0", 8},
    {"W8",  "4=2, 6=2, 5=0", 5},
    {"W9",  "1=2, 3=2, 2=0", 2},
    {"W10", "7=2, 4=2, 1=0", 1},
    {"W11", "8=2, 5=2, 2=0", 2},
    {"W12", "9=2, 6=2, 3=0", 3},
    {"W13", "4=2, 1=2, 7=0", 7},
    {"W14", "5=2, 2=2, 8=0", 8},
    {"W15", "6=2, 3=2, 9=0", 9},
    {"W16", "7=2, 1=2, 4=0", 4},
    {"W17", "8=2, 2=2, 5=0", 5},
    {"W18", "9=2, 3=2, 6=0", 6},
    {"W19", "7=2, 3=2, 5=0", 5},
    {"W20", "9=2, 1=2, 5=0", 5},
    {"W21", "7=2, 5=2, 3=0", 3},
    {"W22", "1=2, 5=2, 9=0", 9},
    {"W23", "3=2, 5=2, 7=0", 7},
    {"W24", "9=2, 5=2, 1=0", 1},
};

// Blocking the human: two X marks in a line whose third square is free take that
// square. Same lines as the win sequence, but the columns and the last diagonals
// come in a different order.
inline constexpr Rule blockSequence[] = {
    {"B1",  "7=1, 8=1, 9=0", 9},
    {"B2",  "4=1, 5=1, 6=0", 6},
    {"B3",  "1=1, 2=1, 3=0", 3},
    {"B4",  "8=1, 9=1, 7=0", 7},
    {"B5",  "5=1, 6=1, 4=0", 4},
    {"B6",  "2=1, 3=1, 1=0", 1},
    {"B7",  "7=1, 9=1, 8=0", 8},
    {"B8",  "4=1, 6=1, 5=0", 5},
    {"B9",  "1=1, 3=1, 2=0", 2},
    {"B10", "7=1, 1=1, 4=0", 4},
    {"B11", "8=1, 2=1, 5=0", 5},
    {"B12", "9=1, 3=1, 6=0", 6},
    {"B13", "7=1, 4=1, 1=0", 1},
    {"B14", "8=1, 5=1, 2=0", 2},
    {"B15", "9=1, 6=1, 3=0", 3},
    {"B16", "4=1, 1=1, 7=0", 7},
    {"B17", "2=1, 5=1, 8=0", 8},
    {"B18", "3=1, 6=1, 9=0", 9},
    {"B19", "7=1, 3=1, 5=0", 5},
    {"B20", "9=1, 1=1, 5=0", 5},
    {"B21", "7=1, 5=1, 3=0", 3},
    {"B22", "9=1, 5=1, 1=0", 1},
    {"B23", "1=1, 5=1, 9=0", 9},
    {"B24", "3=1, 5=1, 7=0", 7},
};
// clang-format on

} // namespace ttt
