#include "gameodds.h"

#include "boardindex.h"
#include "boardlines.h"
#include "replydistribution.h"

#include <optional>
#include <vector>

namespace ttt {

namespace {

// Chances closer than this are the same chance computed along different paths.
constexpr double Tolerance = 1e-12;

// Whether `candidate` is a better pick for the human than `best`.
bool better(const GameOdds& candidate, const GameOdds& best)
{
    if (candidate.win > best.win + Tolerance)
        return true;
    if (candidate.win < best.win - Tolerance)
        return false;
    return candidate.loss < best.loss - Tolerance;
}

void addScaled(GameOdds& sum, const GameOdds& part, double weight)
{
    sum.win += part.win * weight;
    sum.draw += part.draw * weight;
    sum.loss += part.loss * weight;
}

// Walks the game tree of one difficulty and one human play, remembering the odds
// of every position already seen.
class GameTree
{
public:
    GameTree(int difficulty, HumanPlay play)
        : m_difficulty(difficulty), m_play(play), m_humanToMove(boardIndexCount),
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
            const ReplyDistribution reply(m_difficulty, board);
            GameOdds odds;
            for (int square = 1; square <= Board::Squares; ++square) {
                if (reply.numerator(square) != 0)
                    addScaled(odds, afterMark(board, square, O), reply.probability(square));
            }
            known = odds;
        }
        return *known;
    }

private:
    GameOdds bestHumanMove(const Board& board)
    {
        std::optional<GameOdds> best;
        for (int square = 1; square <= Board::Squares; ++square) {
            if (!board.isFree(square))
                continue;
            const GameOdds odds = afterMark(board, square, X);
            if (!best || better(odds, *best))
                best = odds;
        }
        return *best;
    }

    GameOdds randomHumanMove(const Board& board)
    {
        const int choices = Board::Squares - board.markCount();
        GameOdds odds;
        for (int square = 1; square <= Board::Squares; ++square) {
            if (board.isFree(square))
                addScaled(odds, afterMark(board, square, X), 1.0 / choices);
        }
        return odds;
    }

    // The end-of-move check after `mark` goes on `square`, then the other side.
    GameOdds afterMark(Board board, int square, int mark)
    {
        board.place(square, mark);
        if (hasLine(board, mark))
            return mark == X ? GameOdds{1, 0, 0} : GameOdds{0, 0, 1};
        if (board.markCount() == Board::Squares)
            return GameOdds{0, 1, 0};
        return mark == X ? computerMoves(board) : humanMoves(board);
    }

    int m_difficulty;
    HumanPlay m_play;
    std::vector<std::optional<GameOdds>> m_humanToMove;
    std::vector<std::optional<GameOdds>> m_computerToMove;
};

} // namespace

GameOdds gameOdds(int difficulty, Opener opener, HumanPlay play)
{
    GameTree tree(difficulty, play);
    const Board empty;
    return opener == Opener::Human ? tree.humanMoves(empty) : tree.computerMoves(empty);
}

} // namespace ttt
