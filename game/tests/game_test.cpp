// Start-up, New Game, settings collected at exit, scoring and sounds switches.
#include "harness.h"

#include <gtest/gtest.h>

namespace ttt::test {
namespace {

TEST(StartUp, FirstStartShowsTheDefaults)
{
    Harness h;
    h.game.startUp(SettingsRecord{});
    const Game& g = h.game;
    EXPECT_EQ(g.difficulty(), 3);
    EXPECT_EQ(g.checkedLevel(), 3);
    EXPECT_EQ(g.difficultyButton(), 2);
    EXPECT_TRUE(g.xFirstChecked());
    EXPECT_FALSE(g.oFirstChecked());
    EXPECT_EQ(g.firstMoveButton(), 0);
    EXPECT_TRUE(g.onePlayerChecked());
    EXPECT_EQ(g.playersButton(), 0);
    EXPECT_TRUE(g.scoreboard().scoringOn());
    EXPECT_EQ(g.scoreboard().xText(), " 0");
    EXPECT_EQ(g.scoreboard().switchCaption(), "&Turn Scoring Off");
    EXPECT_TRUE(g.soundsChecked());
    EXPECT_FALSE(g.onTopChecked());
    for (int s = 1; s <= 9; ++s)
        EXPECT_EQ(g.shownCard(s), 16);
    EXPECT_TRUE(g.showsNewGamePointer());
    EXPECT_EQ(g.gameover(), 1);
    EXPECT_EQ(g.firstflag(), 0);
    // Applying the difficulty and the scoring switch ran their handlers silently.
    EXPECT_TRUE(h.cues.played.empty());
}

TEST(StartUp, SavedRecordIsRestoredSilently)
{
    Harness h;
    h.game.startUp({4, 2, 2, 1, 0, 1, 34});
    const Game& g = h.game;
    EXPECT_EQ(g.difficulty(), 4);
    EXPECT_EQ(g.checkedLevel(), 4);
    EXPECT_EQ(g.difficultyButton(), 3);
    EXPECT_TRUE(g.oFirstChecked());
    EXPECT_EQ(g.firstMoveButton(), 1);
    EXPECT_EQ(g.firstflag(), 2);
    EXPECT_TRUE(g.twoPlayerChecked());
    EXPECT_EQ(g.playersButton(), 1);
    EXPECT_FALSE(g.scoreboard().scoringOn());
    EXPECT_EQ(g.scoreboard().oText(), " -");
    EXPECT_EQ(g.scoreboard().switchCaption(), "&Turn Scoring On");
    EXPECT_FALSE(g.soundsChecked());
    EXPECT_TRUE(g.onTopChecked());
    EXPECT_EQ(g.ontop(), 1);
    EXPECT_EQ(g.shownCard(5), 34);
    EXPECT_TRUE(h.cues.played.empty());
}

TEST(StartUp, OnlyTheGreetingSoundsWithSoundsOn)
{
    Harness h;
    h.game.startUp({2, 1, 1, 1, 1, 0, 1});
    EXPECT_TRUE(h.cues.played.empty());
    h.random.script = {0.7};
    h.game.playStartCue();
    ASSERT_EQ(h.cues.played.size(), 1u);
    EXPECT_EQ(h.cues.played[0], "start3.wav");
}

TEST(Settings, ExitCollectsWhatTheMenusShow)
{
    const SettingsRecord records[] = {
        {3, 1, 1, 0, 1, 0, 16},
        {4, 2, 2, 1, 0, 1, 34},
        {1, 2, 1, 0, 1, 1, 1},
        {2, 1, 2, 1, 0, 0, 19},
    };
    for (const SettingsRecord& record : records) {
        Harness h;
        h.game.startUp(record);
        EXPECT_EQ(h.game.settingsRecord(), record);
    }
}

TEST(Settings, ExitAfterChangesSavesTheNewOptions)
{
    Harness h;
    h.start();
    h.game.chooseOFirst();
    h.game.chooseTwoPlayer();
    h.game.toggleScoring();
    h.game.toggleSounds();
    h.game.toggleOnTop();
    h.game.chooseDifficulty(1);
    h.game.acceptPictureSet(7);
    EXPECT_EQ(h.game.settingsRecord(), (SettingsRecord{1, 2, 2, 1, 0, 1, 7}));
}

TEST(Settings, OddSoundAndOnTopValuesCountAsOff)
{
    Harness h;
    h.game.startUp({3, 1, 1, 0, 5, 7, 16});
    EXPECT_FALSE(h.game.soundsChecked());
    EXPECT_FALSE(h.game.onTopChecked());
    h.game.playStartCue();
    EXPECT_TRUE(h.cues.played.empty());
    // The sound flag is written back as held; the on-top flag from its check mark.
    EXPECT_EQ(h.game.settingsRecord().soundOn, 5);
    EXPECT_EQ(h.game.settingsRecord().onTop, 0);
}

TEST(ShutDown, FarewellIsHeardOnlyWithSoundsOn)
{
    Harness on;
    on.start();
    on.random.script = {0.0};
    EXPECT_TRUE(on.game.beginShutDown());
    EXPECT_EQ(on.cues.played, std::vector<std::string>{"end1.wav"});

    Harness off;
    off.start({3, 1, 1, 0, 0, 0, 16});
    EXPECT_FALSE(off.game.beginShutDown());
    EXPECT_TRUE(off.cues.played.empty());
}

TEST(NewGame, MidGameClearsBoardAndResultButKeepsTheScore)
{
    Harness h;
    h.start(twoPlayers());
    h.playXWinsBottomRow();
    ASSERT_EQ(h.game.result(), Game::ResultPicture::XWins);
    h.game.newGame();
    h.game.clickSquare(7);
    h.game.newGame();
    EXPECT_EQ(h.boardText(), ".........");
    EXPECT_EQ(h.game.movecount(), 0);
    EXPECT_EQ(h.game.result(), Game::ResultPicture::Blank);
    EXPECT_FALSE(h.game.showsNewGamePointer());
    EXPECT_EQ(h.game.scoreboard().xWins(), 1);
    EXPECT_EQ(h.game.shownCard(7), 16);
}

TEST(Scoring, SwitchingOffAndOnDropsTheTotals)
{
    Harness h;
    h.start(twoPlayers());
    h.playXWinsBottomRow();
    EXPECT_EQ(h.game.scoreboard().xText(), " 1");
    h.game.toggleScoring();
    EXPECT_EQ(h.game.scoreboard().xText(), " -");
    EXPECT_EQ(h.game.scoreboard().switchCaption(), "&Turn Scoring On");
    // A game won while scoring is off is not counted.
    h.playXWinsBottomRow();
    EXPECT_EQ(h.game.scoreboard().xText(), " -");
    h.game.toggleScoring();
    EXPECT_EQ(h.game.scoreboard().xText(), " 0");
    EXPECT_EQ(h.cues.played,
              (std::vector<std::string>{"x2win1.wav", "score.wav", "x2win1.wav", "score.wav"}));
}

TEST(Scoring, ClearScorePlaysAhhAndZeroesAllThree)
{
    Harness h;
    h.start(twoPlayers());
    h.playXWinsBottomRow();
    h.cues.played.clear();
    h.game.clearScore();
    EXPECT_EQ(h.game.scoreboard().xText(), " 0");
    EXPECT_EQ(h.cues.played, std::vector<std::string>{"Ahh.wav"});
}

TEST(Sounds, SwitchingIsSilentAndSilencesEveryCue)
{
    Harness h;
    h.start();
    h.game.toggleSounds();
    EXPECT_FALSE(h.game.soundsChecked());
    EXPECT_EQ(h.game.soundon(), 0);
    h.game.chooseDifficulty(1);
    h.game.clickDifficultyButton(2);
    h.game.toggleScoring();
    h.game.toggleScoring();
    h.game.clearScore();
    h.game.announceAbout();
    h.game.chooseTwoPlayer();
    h.game.newGame();
    h.click({1, 4, 2, 5, 3, 3});
    EXPECT_TRUE(h.cues.played.empty());
    // A silent cue draws nothing: the only draws were the moves' reseeds.
    EXPECT_EQ(h.random.draws, 0);
    h.game.toggleSounds();
    EXPECT_TRUE(h.game.soundsChecked());
    EXPECT_TRUE(h.cues.played.empty());
}

TEST(PictureSet, AcceptingASetHidesTheMarksAndStopsTheGame)
{
    Harness h;
    h.start(twoPlayers());
    h.game.newGame();
    h.game.clickSquare(5);
    EXPECT_EQ(h.game.shownCard(5), 17);
    h.game.acceptPictureSet(1);
    EXPECT_EQ(h.game.cardbase(), 1);
    for (int s = 1; s <= 9; ++s)
        EXPECT_EQ(h.game.shownCard(s), 1);
    EXPECT_EQ(h.game.board().at(5), X);
    EXPECT_EQ(h.game.gameover(), 1);
    EXPECT_TRUE(h.game.showsNewGamePointer());
    h.game.newGame();
    h.game.clickSquare(5);
    EXPECT_EQ(h.game.shownCard(5), 2);
}

TEST(OnTop, ChoosingTwiceReturnsToTheNormalBand)
{
    Harness h;
    h.start();
    h.game.toggleOnTop();
    EXPECT_EQ(h.game.ontop(), 1);
    h.game.toggleOnTop();
    EXPECT_EQ(h.game.ontop(), 0);
    EXPECT_FALSE(h.game.onTopChecked());
}

} // namespace
} // namespace ttt::test
