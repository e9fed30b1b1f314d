// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameodds.h"

#include "boardindex.h"
#include "replydistribution.h"

#include <optional>
#include <vector>

namespace ttt {

namespace {

// Chances closer than this are the same chance computed along different paths.
constexpr double tolerance = 1e-12;

// Whether `candidate` is a better pick for the human than `best`.
bool better(const GameOdds& candidate, const GameOdds& best)
{
    if (candidate.win > best.win + tolerance)
        return true;
    if (candidate.win < best.win - tolerance)
        return false;
    return candidate.loss < best.loss - tolerance;
}

void addScaled(GameOdds& sum, const GameOdds& part, double weight)
{
    sum.win += part.win * weight;
    sum.draw += part.draw * weight;
    sum.loss += part.loss * weight;
}

// Walks the game tree of one level and one human play, remembering the odds
// of every position already seen.
class GameTree
{
public:
    GameTree(Level level, HumanPlay play)
        : m_level(level), m_play(play), m_humanToMove(boardIndexCount),
          m_computerToMove(boardIndexCount)
    {
    }

    GameOdds humanMoves(const Board& board)
    {
        std::optional<GameOdds>& known = m_humanToMove[boardIndex(board)];
        if (!known)
            known = m_play == HumanPlay::Best ? bestHumanMove(board) : randomHumanMove(board);
        return *known;
    }

    GameOdds computerMoves(const Board& board)
    {
        std::optional<GameOdds>& known = m_computerToMove[boardIndex(board)];
        if (!known) {
            const ReplyDistribution reply(m_level, board);
            GameOdds odds;
            for (Square square : Board::squares) {
                if (reply.numerator(square) != 0)
                    addScaled(odds, afterMark(board, square, Mark::O), reply.probability(square));
            }
            known = odds;
        }
        return *known;
    }

private:
    GameOdds bestHumanMove(const Board& board)
    {
        std::optional<GameOdds> best;
        for (Square square : Board::squares) {
            if (!board.isFree(square))
                continue;
            const GameOdds odds = afterMark(board, square, Mark::X);
            if (!best || better(odds, *best))
                best = odds;
        }
        return *best;
    }

    GameOdds randomHumanMove(const Board& board)
    {
        const int choices = board.count(Mark::Free);
        GameOdds odds;
        for (Square square : Board::squares) {
            if (board.isFree(square))
                addScaled(odds, afterMark(board, square, Mark::X), 1.0 / choices);
        }
        return odds;
    }

    // The end-of-move check after `mark` goes on `square`, then the other side.
    GameOdds afterMark(Board board, Square square, Mark mark)
    {
        board.place(square, mark);
        if (hasLine(board, mark))
            return mark == Mark::X ? GameOdds{1, 0, 0} : GameOdds{0, 0, 1};
        if (board.isFull())
            return GameOdds{0, 1, 0};
        return mark == Mark::X ? computerMoves(board) : humanMoves(board);
    }

    Level m_level;
    HumanPlay m_play;
    std::vector<std::optional<GameOdds>> m_humanToMove;
    std::vector<std::optional<GameOdds>> m_computerToMove;
};

} // namespace

GameOdds gameOdds(Level level, Opener opener, HumanPlay play)
{
    GameTree tree(level, play);
    const Board empty;
    return opener == Opener::Human ? tree.humanMoves(empty) : tree.computerMoves(empty);
}

} // namespace ttt
