// SPDX-License-Identifier: GPL-3.0-or-later
// The rule notation: terms, "and"/"," binding tighter than "or", brackets.
#include "boardmarks.h"
#include "opponent/rule.h"

#include <gtest/gtest.h>

namespace ttt {
namespace {

using test::marks;

bool holds(const Rule& rule, const Board& board, Square draw, int movecount = 0)
{
    return rule.holds(Situation(board, draw, movecount));
}

TEST(ConditionParser, CommaJoinedTermsMustAllHold)
{
    constexpr Rule rule{"t", "7=2, 8=2, 9=0", 9};
    EXPECT_TRUE(holds(rule, marks({}, {7, 8}), 1));
    EXPECT_FALSE(holds(rule, marks({9}, {7, 8}), 1)); // 9 not free
    EXPECT_FALSE(holds(rule, marks({8}, {7}), 1));    // 8 holds X, not O
    EXPECT_FALSE(holds(rule, marks({}, {7}), 1));
}

TEST(ConditionParser, BracketsGroupOnlyTheAndTerms)
{
    constexpr Rule rule{"t", "(8=1 and c=4) or c=6", 5};
    EXPECT_TRUE(holds(rule, marks({8}, {}), 4));
    EXPECT_FALSE(holds(rule, marks({}, {}), 4));
    EXPECT_FALSE(holds(rule, marks({8}, {}), 5));
    EXPECT_TRUE(holds(rule, marks({}, {}), 6));
    EXPECT_TRUE(holds(rule, marks({}, {8}), 6));
}

TEST(ConditionParser, ThreeAlternatives)
{
    constexpr Rule rule{"t", "(7=1 and c=9) or c=1 or c=3", 5};
    for (Square draw : Board::squares) {
        EXPECT_EQ(holds(rule, marks({}, {}), draw), draw == 1 || draw == 3) << draw;
        EXPECT_EQ(holds(rule, marks({7}, {}), draw), draw == 1 || draw == 3 || draw == 9) << draw;
    }
}

TEST(ConditionParser, MoveCountTerms)
{
    constexpr Rule below{"t", "5=0, n<3", 5};
    constexpr Rule exactly{"t", "5=1, n=1", 9};
    for (int count = 0; count <= 9; ++count) {
        EXPECT_EQ(holds(below, marks({}, {}), 1, count), count < 3) << count;
        EXPECT_EQ(holds(exactly, marks({5}, {}), 1, count), count == 1) << count;
    }
    EXPECT_FALSE(holds(below, marks({}, {5}), 1, 1));
}

TEST(ConditionParser, StopOutcomeIsKept)
{
    constexpr Rule rule{"55", "5=1", stop};
    EXPECT_EQ(rule.outcome, stop);
    EXPECT_TRUE(holds(rule, marks({5}, {}), 3));
    EXPECT_FALSE(holds(rule, marks({}, {5}), 3));
}

} // namespace
} // namespace ttt
