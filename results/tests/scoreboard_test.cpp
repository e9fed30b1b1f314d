// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/boardtext.h"
#include "results/scoreboard.h"

#include <gtest/gtest.h>

namespace ttt {
namespace {

TEST(Outcome, EndOfMoveCheck)
{
    struct Case
    {
        const char* board;
        Outcome outcome;
    };
    const Case cases[] = {
        {".........", Outcome::Open},
        {"XXOOOXXO.", Outcome::Open},  // eight marks: no draw yet
        {"XOXXOOOXX", Outcome::Draw},  // full, no line
        {"XOXOXOXOX", Outcome::XWins}, // the ninth mark completes lines: a win
        {"OOOXX.XX.", Outcome::OWins},
        {"XXXOOO...", Outcome::OWins}, // the first complete line decides
    };
    for (const Case& c : cases)
        EXPECT_EQ(outcomeOf(*boardFromText(c.board)), c.outcome) << c.board;
}

TEST(Scoreboard, CountsEachOutcomeAndClears)
{
    Scoreboard board;
    for (int i = 0; i < 12; ++i)
        board.count(Outcome::XWins);
    board.count(Outcome::Draw);
    board.count(Outcome::Open);
    board.count(Outcome::OWins);
    board.count(Outcome::OWins);
    EXPECT_EQ(board.xWins(), 12);
    EXPECT_EQ(board.oWins(), 2);
    EXPECT_EQ(board.draws(), 1);
    board.clear();
    EXPECT_EQ(board.xWins() + board.oWins() + board.draws(), 0);
}

} // namespace
} // namespace ttt
