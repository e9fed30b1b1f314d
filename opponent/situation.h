// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

#include <cstdint>

namespace ttt {

// Everything a rule may look at, packed into one word so that a rule's condition is
// tested with two mask operations. Per square k (1..9) one bit says "holds X", one
// "holds O" and one "is free"; one bit each marks the draw (1..9) and the move
// count (0..9).
class Situation
{
public:
    static constexpr int xBase = 0;
    static constexpr int oBase = xBase + Board::squareCount;
    static constexpr int freeBase = oBase + Board::squareCount;
    // Draws and counts get one bit for each of 0..9: bits 27..36 and 37..46.
    static constexpr int valueBits = Board::squareCount + 1;
    static constexpr int drawBase = freeBase + Board::squareCount;
    static constexpr int countBase = drawBase + valueBits;

    static constexpr std::uint64_t bit(int index) { return std::uint64_t{1} << index; }
    static constexpr std::uint64_t squareBit(Square square, Mark mark)
    {
        const int base = mark == Mark::X ? xBase : mark == Mark::O ? oBase : freeBase;
        return bit(base + square - 1);
    }
    static constexpr std::uint64_t drawBit(int draw) { return bit(drawBase + draw); }
    static constexpr std::uint64_t countBit(int count) { return bit(countBase + count); }
    static constexpr std::uint64_t drawBits = ((std::uint64_t{1} << valueBits) - 1) << drawBase;
    static constexpr std::uint64_t countBits = ((std::uint64_t{1} << valueBits) - 1) << countBase;

    constexpr Situation(const Board& board, Square draw, int movecount)
        : m_word(drawBit(draw) | countBit(movecount))
    {
        for (Square square : Board::squares)
            m_word |= squareBit(square, board.at(square));
    }

    constexpr std::uint64_t word() const { return m_word; }

private:
    std::uint64_t m_word;
};

} // namespace ttt
