// SPDX-License-Identifier: GPL-3.0-or-later
// Where the computer's reply lands, with the redrawing of taken squares.
#include "boardmarks.h"
#include "opponent/replyboards.h"
#include "opponent/replydistribution.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ttt {
namespace {

using test::marks;

TEST(ReplyDistribution, EasyIsUniformOverTheFreeSquares)
{
    const Board board = marks({1, 5}, {9});
    const ReplyDistribution reply(Level::Easy, board);
    for (Square square : Board::squares)
        EXPECT_DOUBLE_EQ(reply.probability(square), board.isFree(square) ? 1.0 / 6 : 0.0);
}

// Draws 2, 4 and 6 give the free centre; the other six name the taken 9.
TEST(ReplyDistribution, HardRedrawsATakenSideCorner)
{
    const ReplyDistribution reply(Level::Hard, marks({8, 3}, {9, 2}));
    const double missAll = std::pow(6.0 / 9.0, 9); // nine consulted draws all name 9
    const double randomShare = missAll / 5;        // then uniform over 1, 4, 5, 6, 7
    EXPECT_NEAR(reply.probability(5), (1 - missAll) + randomShare, 1e-15);
    for (int square : {1, 4, 6, 7})
        EXPECT_NEAR(reply.probability(square), randomShare, 1e-15) << square;
    for (int square : {2, 3, 8, 9})
        EXPECT_EQ(reply.numerator(square), 0u) << square;
}

// Every draw names the taken 9, so after nine misses the random draws decide.
TEST(ReplyDistribution, UnbeatableStuckOnATakenSquareEndsUniform)
{
    const Board board = marks({8, 3}, {9});
    const ReplyDistribution reply(Level::Unbeatable, board);
    for (Square square : Board::squares)
        EXPECT_DOUBLE_EQ(reply.probability(square), board.isFree(square) ? 1.0 / 6 : 0.0);
}

TEST(ReplyDistribution, UnbeatableCentreOpeningIsCertain)
{
    const ReplyDistribution reply(Level::Unbeatable, marks({}, {}));
    EXPECT_EQ(reply.probability(5), 1.0);
    EXPECT_EQ(reply.decimal(5, 9), "1.000000000");
    EXPECT_EQ(reply.decimal(1, 9), "0.000000000");
}

TEST(ReplyDistribution, DecimalsRoundHalfUp)
{
    const ReplyDistribution reply(Level::Easy, marks({1, 2}, {3})); // six free squares
    EXPECT_EQ(reply.decimal(4, 9), "0.166666667");
    EXPECT_EQ(reply.decimal(4, 2), "0.17");
    const ReplyDistribution eighths(Level::Easy, marks({5}, {}));
    EXPECT_EQ(eighths.decimal(1, 9), "0.125000000");
    EXPECT_EQ(eighths.decimal(1, 2), "0.13");
}

TEST(ReplyDistribution, ExactlyOneAndOnlyOnFreeSquaresOnEveryReplyBoard)
{
    for (const Level level : allLevels) {
        for (const Board& board : replyBoards()) {
            const ReplyDistribution reply(level, board);
            double total = 0;
            for (Square square : Board::squares) {
                total += reply.probability(square);
                if (!board.isFree(square)) {
                    ASSERT_EQ(reply.numerator(square), 0u);
                }
            }
            ASSERT_NEAR(total, 1.0, 1e-12) << "level " << levelNumber(level);
        }
    }
}

} // namespace
} // namespace ttt
