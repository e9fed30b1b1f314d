// SPDX-License-Identifier: GPL-3.0-or-later
#include "replydistribution.h"

#include "selector.h"

#include "core/reply.h"

#include <string>

namespace ttt {

namespace {

constexpr std::uint64_t power(std::uint64_t base, int exponent)
{
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

} // namespace

ReplyDistribution::ReplyDistribution(Level level, const Board& board)
{
    // Each of the first ruleDraws draws settles on s for hits[s] of the nine random
    // squares and misses for the remaining `misses`; the later draws settle on s for
    // lateHits[s] of them, one of the `lateSettling` squares that can end a reply then.
    const auto rules = [&](Square draw) { return selectMove(level, board, draw); };
    std::array<std::uint64_t, Board::squareCount> hits{};
    std::array<std::uint64_t, Board::squareCount> lateHits{};
    std::uint64_t misses = 0;
    std::uint64_t lateSettling = 0;
    for (Square draw : Board::squares) {
        if (const auto square = settleDraw(board, draw, 0, rules))
            ++hits[*square - 1];
        else
            ++misses;
        if (const auto square = settleDraw(board, draw, ruleDraws, rules)) {
            ++lateHits[*square - 1];
            ++lateSettling;
        }
    }
    if (lateSettling == 0)
        return; // no reply is possible: every chance stays 0
    // P(s) = hits/9 * sum_{k<n} (misses/9)^k + (misses/9)^n * lateHits/lateSettling, with
    // n = ruleDraws, over the denominator 9^n * lateSettling.
    const std::uint64_t squares = Board::squareCount;
    std::uint64_t geometric = 0;
    for (int k = 0; k < ruleDraws; ++k)
        geometric += power(misses, k) * power(squares, ruleDraws - 1 - k);
    m_denominator = power(squares, ruleDraws) * lateSettling;
    const std::uint64_t afterTheRules = power(misses, ruleDraws);
    for (std::size_t i = 0; i < m_numerators.size(); ++i)
        m_numerators[i] = lateSettling * hits[i] * geometric + lateHits[i] * afterTheRules;
}

double ReplyDistribution::probability(Square square) const
{
    return static_cast<double>(numerator(square)) / static_cast<double>(m_denominator);
}

std::string ReplyDistribution::decimal(Square square, int places) const
{
    const std::uint64_t scale = power(10, places);
    const std::uint64_t scaled =
        (numerator(square) * scale * 2 + m_denominator) / (2 * m_denominator); // rounded half up
    std::string fraction = std::to_string(scaled % scale);
    fraction.insert(0, static_cast<std::size_t>(places) - fraction.size(), '0');
    return std::to_string(scaled / scale) + "." + fraction;
}

} // namespace ttt
