#pragma once

#include "game/board.h"

#include <cstdint>

namespace ttt {

// Everything a rule may look at, packed into one word so that a rule's condition is
// tested with two mask operations. Per square k (1..9) one bit says "holds X", one
// "holds O" and one "is free"; one bit each marks the draw (1..9) and the move
// count (0..9).
class Situation
{
public:
    static constexpr int XBase = 0;
    static constexpr int OBase = 9;
    static constexpr int FreeBase = 18;
    static constexpr int DrawBase = 27;  // bits 27..36 for draws 0..9
    static constexpr int CountBase = 37; // bits 37..46 for counts 0..9

    static constexpr std::uint64_t bit(int index) { return std::uint64_t{1} << index; }
    static constexpr std::uint64_t squareBit(int square, int mark)
    {
        const int base = mark == X ? XBase : mark == O ? OBase : FreeBase;
        return bit(base + square - 1);
    }
    static constexpr std::uint64_t drawBit(int draw) { return bit(DrawBase + draw); }
    static constexpr std::uint64_t countBit(int count) { return bit(CountBase + count); }
    static constexpr std::uint64_t drawBits = ((std::uint64_t{1} << 10) - 1) << DrawBase;
    static constexpr std::uint64_t countBits = ((std::uint64_t{1} << 10) - 1) << CountBase;

    constexpr Situation(const Board& board, int draw, int movecount)
        : m_word(drawBit(draw) | countBit(movecount))
    {
        for (int square = 1; square <= Board::Squares; ++square)
            m_word |= squareBit(square, board.at(square));
    }

    constexpr std::uint64_t word() const { return m_word; }

private:
    std::uint64_t m_word;
};

} // namespace ttt
