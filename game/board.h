#pragma once

#include <array>

namespace ttt {

// What a square holds. A free square compares equal to 0 everywhere in the game.
enum Mark : int { Free = 0, X = 1, O = 2 };

// The nine squares, numbered like a numeric keypad: 7 8 9 on top, 4 5 6 in the
// middle, 1 2 3 at the bottom. Corners are 1, 3, 7, 9; edges 2, 4, 6, 8; 5 is the centre.
class Board
{
public:
    static constexpr int Squares = 9;

    constexpr int at(int square) const { return m_cells[square - 1]; }
    constexpr bool isFree(int square) const { return at(square) == Free; }
    constexpr void place(int square, int mark) { m_cells[square - 1] = mark; }
    constexpr void clear() { m_cells.fill(Free); }
    constexpr int markCount() const
    {
        int n = 0;
        for (int cell : m_cells)
            n += cell != Free;
        return n;
    }

    friend constexpr bool operator==(const Board&, const Board&) = default;

private:
    std::array<int, Squares> m_cells{};
};

} // namespace ttt
