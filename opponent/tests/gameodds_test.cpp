// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-game odds, from the human's side.
#include "opponent/gameodds.h"

#include <gtest/gtest.h>

namespace ttt {
namespace {

// Two random players: the opener wins 737 of 1260 parts, the other 363, and 160
// end drawn (the classic count over all move orders, weighted by their chance).
TEST(GameOdds, EasyAgainstARandomHumanIsTwoRandomPlayers)
{
    const GameOdds humanFirst = gameOdds(Level::Easy, Opener::Human, HumanPlay::Random);
    EXPECT_NEAR(humanFirst.win, 737.0 / 1260, 1e-12);
    EXPECT_NEAR(humanFirst.draw, 160.0 / 1260, 1e-12);
    EXPECT_NEAR(humanFirst.loss, 363.0 / 1260, 1e-12);
    const GameOdds computerFirst = gameOdds(Level::Easy, Opener::Computer, HumanPlay::Random);
    EXPECT_NEAR(computerFirst.win, 363.0 / 1260, 1e-12);
    EXPECT_NEAR(computerFirst.loss, 737.0 / 1260, 1e-12);
}

TEST(GameOdds, OddsAddUpToOne)
{
    for (const Level level : allLevels) {
        for (const Opener opener : {Opener::Human, Opener::Computer}) {
            for (const HumanPlay play : {HumanPlay::Best, HumanPlay::Random}) {
                const GameOdds odds = gameOdds(level, opener, play);
                EXPECT_NEAR(odds.win + odds.draw + odds.loss, 1.0, 1e-12) << levelNumber(level);
            }
        }
    }
}

TEST(GameOdds, AHumanPlayingBestWinsAtLeastAsOftenAsARandomOne)
{
    for (const Level level : allLevels) {
        for (const Opener opener : {Opener::Human, Opener::Computer}) {
            EXPECT_GE(gameOdds(level, opener, HumanPlay::Best).win,
                      gameOdds(level, opener, HumanPlay::Random).win)
                << levelNumber(level);
        }
    }
}

// A computer that blocks open pairs lets a random human win less often than Easy.
TEST(GameOdds, BlockingLevelsWinMoreThanEasy)
{
    for (const Level level : {Level::Medium, Level::Hard, Level::Unbeatable}) {
        EXPECT_LT(gameOdds(level, Opener::Human, HumanPlay::Random).win,
                  gameOdds(Level::Easy, Opener::Human, HumanPlay::Random).win)
            << levelNumber(level);
    }
}

} // namespace
} // namespace ttt
