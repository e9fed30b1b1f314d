#include "results/scoreboard.h"

#include <gtest/gtest.h>

namespace ttt {
namespace {

TEST(Scoreboard, TotalsShowAsABlankAndDigits)
{
    Scoreboard board;
    EXPECT_EQ(board.xText(), " 0");
    for (int i = 0; i < 12; ++i)
        board.count(Outcome::XWins);
    board.count(Outcome::Draw);
    board.count(Outcome::Open);
    EXPECT_EQ(board.xText(), " 12");
    EXPECT_EQ(board.oText(), " 0");
    EXPECT_EQ(board.drawText(), " 1");
}

TEST(Scoreboard, OffShowsDashesAndCountsNothing)
{
    Scoreboard board;
    board.count(Outcome::OWins);
    board.flip();
    EXPECT_FALSE(board.scoringOn());
    EXPECT_EQ(board.switchCaption(), "&Turn Scoring On");
    board.count(Outcome::OWins);
    EXPECT_EQ(board.oText(), " -");
    EXPECT_EQ(board.oWins(), 0);
    board.flip();
    EXPECT_EQ(board.switchCaption(), "&Turn Scoring Off");
    EXPECT_EQ(board.oText(), " 0");
}

TEST(Scoreboard, ClearKeepsTheSwitch)
{
    Scoreboard board;
    board.count(Outcome::XWins);
    board.count(Outcome::OWins);
    board.clear();
    EXPECT_TRUE(board.scoringOn());
    EXPECT_EQ(board.xText(), " 0");
    EXPECT_EQ(board.oText(), " 0");
}

} // namespace
} // namespace ttt
