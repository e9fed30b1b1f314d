// SPDX-License-Identifier: GPL-3.0-or-later
#include "match.h"

#include "core/randomsource.h"
#include "core/reply.h"
#include "opponent/selector.h"

namespace ttt {

namespace {

// The cue of a finished game: the two-player cues name the winning mark, the
// one-player ones speak to the human.
std::optional<Cue> outcomeCue(Outcome outcome, Players players)
{
    const bool two = players == Players::Two;
    switch (outcome) {
    case Outcome::XWins:
        return two ? Cue::XWins : Cue::HumanWins;
    case Outcome::OWins:
        return two ? Cue::OWins : Cue::ComputerWins;
    case Outcome::Draw:
        return Cue::Draw;
    case Outcome::Open:
        break;
    }
    return std::nullopt;
}

} // namespace

Match::Match(const Board& board, Mark next)
    : m_board(board), m_status(Status::Playing), m_next(next)
{
}

Match::Move Match::click(Square square, const Options& options, RandomSource& random)
{
    if (!isPlaying() || !Board::isSquare(square))
        return {};
    random.reseed();
    if (!m_board.isFree(square))
        return {Move::Kind::Refused, Outcome::Open, Cue::Refusal, square};
    const Move human = place(square, options.players);
    if (!computerToMove(options))
        return human;
    return computerTurn(options, random);
}

bool Match::computerToMove(const Options& options) const
{
    return isPlaying() && options.players == Players::One && m_next == Mark::O;
}

Match::Move Match::computerTurn(const Options& options, RandomSource& random)
{
    const auto draw = [&random] { return drawOneOf(random, Board::squareCount); };
    const auto rules = [&](Square drawn) { return selectMove(options.level, m_board, drawn); };
    const Move reply = place(replySquare(m_board, draw, rules), options.players);
    m_latestSquare = reply.square;
    return reply;
}

Match::Move Match::place(Square square, Players players)
{
    m_board.place(square, m_next);
    m_next = otherMark(m_next);
    // A human's mark is pointed out only to the other human.
    m_latestSquare = players == Players::Two ? std::optional(square) : std::nullopt;
    m_outcome = outcomeOf(m_board);
    if (m_outcome != Outcome::Open)
        m_status = Status::Idle;
    return {Move::Kind::Played, m_outcome, outcomeCue(m_outcome, players), square};
}

} // namespace ttt
