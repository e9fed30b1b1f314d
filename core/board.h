// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace ttt {

// What a square holds. The numbers are the ones the rule tables write ("7=2": O on
// square 7) and the base-3 digits of a board's index.
enum class Mark : unsigned char { Free = 0, X = 1, O = 2 };

// The mark that moves after `mark`.
constexpr Mark otherMark(Mark mark)
{
    return mark == Mark::X ? Mark::O : Mark::X;
}

// A square's number, 1 to 9, laid out like a numeric keypad: 7 8 9 on top, 4 5 6 in
// the middle, 1 2 3 at the bottom. Corners are 1, 3, 7, 9; edges 2, 4, 6, 8; 5 is the
// centre. The digit keys address the same squares.
using Square = int;

// The nine squares and the marks on them.
class Board
{
public:
    static constexpr int squareCount = 9;
    // Every square in number order: for (Square square : Board::squares).
    static constexpr std::array<Square, squareCount> squares{1, 2, 3, 4, 5, 6, 7, 8, 9};

    static constexpr bool isSquare(int number) { return number >= 1 && number <= squareCount; }

    constexpr Mark at(Square square) const { return m_cells[square - 1]; }
    constexpr bool isFree(Square square) const { return at(square) == Mark::Free; }
    constexpr void place(Square square, Mark mark) { m_cells[square - 1] = mark; }

    constexpr int count(Mark mark) const
    {
        int n = 0;
        for (Mark cell : m_cells)
            n += cell == mark;
        return n;
    }
    constexpr int markCount() const { return squareCount - count(Mark::Free); }
    constexpr bool isFull() const { return count(Mark::Free) == 0; }

    friend constexpr bool operator==(const Board&, const Board&) = default;

private:
    std::array<Mark, squareCount> m_cells{};
};

using Line = std::array<Square, 3>;

// The eight lines of three, in the order the end-of-move check tests them.
inline constexpr std::array<Line, 8> boardLines{{
    {7, 8, 9}, // top row
    {4, 5, 6}, // middle row
    {1, 2, 3}, // bottom row
    {7, 4, 1}, // left column
    {8, 5, 2}, // middle column
    {9, 6, 3}, // right column
    {1, 5, 9}, // diagonal from bottom left
    {3, 5, 7}, // diagonal from bottom right
}};

constexpr bool lineHolds(const Board& board, const Line& line, Mark mark)
{
    return board.at(line[0]) == mark && board.at(line[1]) == mark && board.at(line[2]) == mark;
}

constexpr bool hasLine(const Board& board, Mark mark)
{
    for (const Line& line : boardLines) {
        if (lineHolds(board, line, mark))
            return true;
    }
    return false;
}

// The mark of the first complete line in the order above, or Free while no line is
// complete.
constexpr Mark winner(const Board& board)
{
    for (const Line& line : boardLines) {
        for (const Mark mark : {Mark::X, Mark::O}) {
            if (lineHolds(board, line, mark))
                return mark;
        }
    }
    return Mark::Free;
}

} // namespace ttt
