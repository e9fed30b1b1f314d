#include "replydistribution.h"

#include "selector.h"

#include <string>

namespace ttt {

namespace {

constexpr int Consulted = 9; // draws of one reply that may go to the rules

constexpr std::uint64_t power(std::uint64_t base, int exponent)
{
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

} // namespace

ReplyDistribution::ReplyDistribution(int difficulty, const Board& board)
{
    // One consulted draw lands on s for hits[s] of the nine draws and misses for
    // the remaining `misses`; the consulted draws repeat independently.
    std::array<std::uint64_t, Board::Squares> hits{};
    std::uint64_t misses = 0;
    std::uint64_t freeSquares = 0;
    const int movecount = board.markCount();
    for (int draw = 1; draw <= Board::Squares; ++draw) {
        const int square = selectMove(difficulty, board, draw, movecount);
        if (square >= 1 && square <= Board::Squares && board.isFree(square))
            ++hits[square - 1];
        else
            ++misses;
        freeSquares += board.isFree(draw);
    }
    if (freeSquares == 0)
        return; // no reply is possible: every chance stays 0
    // P(s) = hits/9 * sum_{k<9} (misses/9)^k + (misses/9)^9 / free, over 9^9 * free.
    std::uint64_t geometric = 0;
    for (int k = 0; k < Consulted; ++k)
        geometric += power(misses, k) * power(Board::Squares, Consulted - 1 - k);
    m_denominator = power(Board::Squares, Consulted) * freeSquares;
    const std::uint64_t afterConsulting = power(misses, Consulted);
    for (int square = 1; square <= Board::Squares; ++square) {
        const bool isFree = board.isFree(square);
        m_numerators[square - 1] =
            freeSquares * hits[square - 1] * geometric + (isFree ? afterConsulting : 0);
    }
}

double ReplyDistribution::probability(int square) const
{
    return static_cast<double>(numerator(square)) / static_cast<double>(m_denominator);
}

std::string ReplyDistribution::decimal(int square, int places) const
{
    const std::uint64_t scale = power(10, places);
    const std::uint64_t scaled =
        (numerator(square) * scale * 2 + m_denominator) / (2 * m_denominator); // rounded half up
    std::string fraction = std::to_string(scaled % scale);
    fraction.insert(0, static_cast<std::size_t>(places) - fraction.size(), '0');
    return std::to_string(scaled / scale) + "." + fraction;
}

} // namespace ttt
