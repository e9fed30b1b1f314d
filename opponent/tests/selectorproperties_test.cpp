// SPDX-License-Identifier: GPL-3.0-or-later
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
    std::array<int, Board::squareCount> perCount{};
    for (const Board& board : boards())
        ++perCount[board.markCount()];
    for (int count = 0; count < Board::squareCount; ++count)
        EXPECT_GT(perCount[count], 0) << count;
}

void expectLineRulesChooseFreeSquares(std::span<const Rule> rules, const Board& board)
{
    for (Square draw : Board::squares) {
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
        for (Square draw : Board::squares) {
            const Square square = selectMove(Level::Medium, board, draw);
            EXPECT_TRUE(square == draw || board.isFree(square));
        }
    }
}

TEST_F(SelectorProperties, EveryAnswerIsASquare)
{
    for (const Level level : allLevels) {
        for (const Board& board : boards()) {
            for (Square draw : Board::squares) {
                const Square square = selectMove(level, board, draw);
                ASSERT_TRUE(Board::isSquare(square));
            }
        }
    }
}

TEST_F(SelectorProperties, EasyPlaysTheDraw)
{
    for (const Board& board : boards()) {
        for (Square draw : Board::squares)
            EXPECT_EQ(selectMove(Level::Easy, board, draw), draw);
    }
}

// Unbeatable either names one square whatever the draw, or keeps every draw.
TEST_F(SelectorProperties, UnbeatableNeverDependsOnTheDrawWhenItChooses)
{
    for (const Board& board : boards()) {
        const Square first = selectMove(Level::Unbeatable, board, 1);
        const bool keepsDraw = first == 1 && selectMove(Level::Unbeatable, board, 2) == 2;
        for (Square draw : Board::squares) {
            const Square square = selectMove(Level::Unbeatable, board, draw);
            EXPECT_EQ(square, keepsDraw ? draw : first);
        }
    }
}

} // namespace
} // namespace ttt
