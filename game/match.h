// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/options.h"
#include "results/cues.h"
#include "results/outcome.h"

#include <optional>

namespace ttt {

class RandomSource;

// One game on the board: the marks, the mark that comes next, whether the game is
// being played, and how it ended. In a one-player game the human plays X and the
// computer answers every X with an O; in a two-player game the players take turns.
// The number of players and the level come from the options in force: changing the
// number of players stops the game, and a new level plays from the next reply on.
class Match
{
public:
    // What a click on a square did, with the cue it calls for.
    struct Move
    {
        enum class Kind { Ignored, Refused, Played };
        Kind kind = Kind::Ignored;
        Outcome outcome = Outcome::Open; // after the click's last mark
        std::optional<Cue> cue;
        Square square = 0; // the square refused, or the one the last mark went on
    };

    // Idle on an empty board, before the first New Game.
    Match() = default;
    // A game being played at this position, `next` to place the next mark.
    Match(const Board& board, Mark next);

    // New Game: an empty board, `firstMover` to place the first mark. When that is the
    // computer, it opens with computerTurn().
    void start(Mark firstMover) { *this = Match(Board(), firstMover); }
    // Stops the game where it stands: the marks stay and clicks are ignored. A game cut
    // short no longer points at its latest mark; one that had ended keeps it.
    void stop()
    {
        if (isPlaying())
            m_latestSquare.reset();
        m_status = Status::Idle;
    }

    // The move cycle for a click on `square`, or a digit key: ignored unless a game is
    // being played, refused on a taken square, else the mover's mark and, in a
    // one-player game that goes on, the computer's reply.
    Move click(Square square, const Options& options, RandomSource& random);
    bool computerToMove(const Options& options) const;
    // The computer's mark, on the square its reply at the level in force settles on.
    Move computerTurn(const Options& options, RandomSource& random);

    const Board& board() const { return m_board; }
    bool isPlaying() const { return m_status == Status::Playing; }
    Mark nextMark() const { return m_next; }
    // How the last finished game ended; Open from New Game until the game ends.
    Outcome outcome() const { return m_outcome; }
    // The square of the latest mark the board points out, until the next mark or New
    // Game: the computer's reply, or with two players either player's mark.
    std::optional<Square> latestSquare() const { return m_latestSquare; }

private:
    enum class Status { Idle, Playing };

    Move place(Square square, Players players);

    Board m_board;
    Status m_status = Status::Idle;
    Mark m_next = Mark::X;
    Outcome m_outcome = Outcome::Open;
    std::optional<Square> m_latestSquare;
};

} // namespace ttt
