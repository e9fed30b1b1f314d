// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "core/level.h"

#include <array>
#include <cstdint>
#include <string>

namespace ttt {

// The exact chances of the computer's reply landing on each square, as the reply
// policy (core/reply.h) draws it at the given level. Every chance is a fraction over
// one common denominator, 9^9 times the number of free squares.
class ReplyDistribution
{
public:
    // A full board gets no reply: all chances 0.
    ReplyDistribution(Level level, const Board& board);

    std::uint64_t numerator(Square square) const { return m_numerators[square - 1]; }
    double probability(Square square) const;
    // The chance written with `places` decimals (1 to 9), rounded half up.
    std::string decimal(Square square, int places) const;

private:
    std::array<std::uint64_t, Board::squareCount> m_numerators{};
    std::uint64_t m_denominator = 1;
};

} // namespace ttt
