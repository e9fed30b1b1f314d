#include "checkwin.h"

#include <array>

namespace ttt {

namespace {

using Line = std::array<int, 3>;

constexpr std::array<Line, 8> lines = {{
    {7, 8, 9}, // top row
    {4, 5, 6}, // middle row
    {1, 2, 3}, // bottom row
    {7, 4, 1}, // left column
    {8, 5, 2}, // middle column
    {9, 6, 3}, // right column
    {1, 5, 9}, // diagonal from bottom left
    {3, 5, 7}, // diagonal from bottom right
}};

bool lineHolds(const Board& board, const Line& line, int mark)
{
    return board.at(line[0]) == mark && board.at(line[1]) == mark && board.at(line[2]) == mark;
}

} // namespace

Outcome checkwin(const Board& board, int movecount)
{
    for (const Line& line : lines) {
        if (lineHolds(board, line, X))
            return Outcome::XWins;
        if (lineHolds(board, line, O))
            return Outcome::OWins;
    }
    return movecount == 9 ? Outcome::Draw : Outcome::Open;
}

} // namespace ttt
