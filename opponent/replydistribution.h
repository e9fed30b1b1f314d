#pragma once

#include "game/board.h"

#include <array>
#include <cstdint>
#include <string>

namespace ttt {

// The exact chances of the computer's reply landing on each square. The reply
// draws a square at random, lets the level's rules replace it while fewer than
// nine draws of this reply have hit a taken square, and draws again whenever the
// result is taken; after nine such misses only random draws decide.
// Every chance is a fraction over one common denominator, 9^9 times the number of
// free squares.
class ReplyDistribution
{
public:
    // The move count is the number of marks. A full board gets no reply: all chances 0.
    ReplyDistribution(int difficulty, const Board& board);

    std::uint64_t numerator(int square) const { return m_numerators[square - 1]; }
    std::uint64_t denominator() const { return m_denominator; }
    double probability(int square) const;
    // The chance written with `places` decimals (1 to 9), rounded half up.
    std::string decimal(int square, int places) const;

private:
    std::array<std::uint64_t, Board::Squares> m_numerators{};
    std::uint64_t m_denominator = 1;
};

} // namespace ttt
