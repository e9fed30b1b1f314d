// What holds for every board a game can put in front of the computer.
#include "opponent/linerules.h"
#include "opponent/replyboards.h"
#include "opponent/ruleevaluator.h"
#include "opponent/selector.h"

#include <gtest/gtest.h>

#include <array>
#include <span>
#include <vector>

namespace ttt {
namespace {

class SelectorProperties : public testing::Test
{
protected:
    static const std::vector<Board>& boards()
    {
        static const std::vector<Board> all = replyBoards();
        return all;
    }
};

TEST_F(SelectorProperties, ThereAreBoardsOfEveryMoveCount)
{
    std::array<int, 9> perCount{};
    for (const Board& board : boards())
        ++perCount[board.markCount()];
    for (int count = 0; count < 9; ++count)
        EXPECT_GT(perCount[count], 0) << count;
}

void expectLineRulesChooseFreeSquares(std::span<const Rule> rules, const Board& board)
{
    for (int draw = 1; draw <= 9; ++draw) {
        const Rule* rule = firstMatch(rules, Situation(board, draw, board.markCount()));
        if (rule) {
            EXPECT_TRUE(board.isFree(rule->outcome)) << rule->label;
        }
    }
}

TEST_F(SelectorProperties, LineRulesNeverNameATakenSquare)
{
    for (const Board& board : boards()) {
        expectLineRulesChooseFreeSquares(winSequence, board);
        expectLineRulesChooseFreeSquares(blockSequence, board);
    }
}

TEST_F(SelectorProperties, MediumPlaysTheDrawOrAFreeSquare)
{
    for (const Board& board : boards()) {
        for (int draw = 1; draw <= 9; ++draw) {
            const int square = selectMove(2, board, draw, board.markCount());
            EXPECT_TRUE(square == draw || board.isFree(square));
        }
    }
}

TEST_F(SelectorProperties, EveryAnswerIsASquare)
{
    for (int level = 1; level <= 4; ++level) {
        for (const Board& board : boards()) {
            for (int draw = 1; draw <= 9; ++draw) {
                const int square = selectMove(level, board, draw, board.markCount());
                ASSERT_GE(square, 1);
                ASSERT_LE(square, 9);
            }
        }
    }
}

TEST_F(SelectorProperties, EasyPlaysTheDraw)
{
    for (const Board& board : boards()) {
        for (int draw = 1; draw <= 9; ++draw)
            EXPECT_EQ(selectMove(1, board, draw, board.markCount()), draw);
    }
}

// Unbeatable either names one square whatever the draw, or keeps every draw.
TEST_F(SelectorProperties, UnbeatableNeverDependsOnTheDrawWhenItChooses)
{
    for (const Board& board : boards()) {
        const int first = selectMove(4, board, 1, board.markCount());
        const bool keepsDraw = first == 1 && selectMove(4, board, 2, board.markCount()) == 2;
        for (int draw = 1; draw <= 9; ++draw) {
            const int square = selectMove(4, board, draw, board.markCount());
            EXPECT_EQ(square, keepsDraw ? draw : first);
        }
    }
}

} // namespace
} // namespace ttt
