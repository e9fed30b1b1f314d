// SPDX-License-Identifier: GPL-3.0-or-later
// The game as the window drives it: start-up and exit, New Game, the switches, the
// picture set and the keys.
#include "core/boardtext.h"
#include "core/tests/scriptedrandom.h"
#include "game/game.h"
#include "game/savedoptions.h"
#include "results/tests/recordingcues.h"

#include <gtest/gtest.h>

#include <functional>

namespace ttt::test {
namespace {

using Files = std::vector<std::string>;

struct GameBench
{
    explicit GameBench(const Options& options = {}) { game.startUp(options); }
    std::string board() const { return boardText(game.match().board()); }
    void click(std::initializer_list<Square> squares)
    {
        for (Square square : squares)
            game.clickSquare(square);
    }
    // A two-player game that X wins on the bottom row: X 1, 2, 3 and O 4, 5.
    void playXWinsBottomRow()
    {
        game.newGame();
        click({1, 4, 2, 5, 3});
    }

    ScriptedRandom random;
    RecordingCues cues;
    Game game{random, cues};
};

Options twoPlayers(Mark firstMover = Mark::X)
{
    return {.firstMover = firstMover, .players = Players::Two};
}

TEST(SavedOptions, RecordsReadAndWriteBack)
{
    struct Row
    {
        SettingsRecord record;
        Options options;
    };
    const Row rows[] = {
        {SettingsRecord{}, {}},
        {{4, 2, 2, 1, 0, 1, 34},
         {Level::Unbeatable, Mark::O, Players::Two, false, SoundSwitch::fromSaved(0), true,
          PictureSet::numbered(12)}},
        {{1, 2, 1, 0, 1, 1, 1},
         {.level = Level::Easy,
          .firstMover = Mark::O,
          .onTop = true,
          .pictureSet = PictureSet::numbered(1)}},
        {{2, 1, 2, 1, 5, 0, 19},
         {.level = Level::Medium,
          .players = Players::Two,
          .scoring = false,
          .sounds = SoundSwitch::fromSaved(5),
          .pictureSet = PictureSet::numbered(7)}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(optionsFromRecord(row.record), row.options);
        EXPECT_EQ(recordFromOptions(row.options), row.record);
    }
}

// Only 1 switches sounds and on-top on. An odd sound value is written back as read
// until the player flips the switch; on-top is written as 0 or 1.
TEST(SavedOptions, OddSwitchValuesCountAsOff)
{
    Options options = optionsFromRecord({3, 7, 9, 4, 5, 7, 16});
    EXPECT_EQ(options.firstMover, Mark::X);
    EXPECT_EQ(options.players, Players::One);
    EXPECT_TRUE(options.scoring);
    EXPECT_FALSE(options.sounds.isOn());
    EXPECT_FALSE(options.onTop);
    EXPECT_EQ(recordFromOptions(options), (SettingsRecord{3, 1, 1, 0, 5, 0, 16}));
    options.sounds.flip();
    EXPECT_EQ(recordFromOptions(options).soundOn, 1);
    options.sounds.flip();
    EXPECT_EQ(recordFromOptions(options).soundOn, 0);
}

TEST(StartUp, SilentIdleAndShowingTheSavedOptions)
{
    const Options saved = optionsFromRecord({4, 2, 2, 1, 1, 1, 34});
    GameBench bench(saved);
    EXPECT_EQ(bench.game.options(), saved);
    EXPECT_EQ(bench.game.firstMoveButton(), Mark::O);
    EXPECT_FALSE(bench.game.match().isPlaying());
    EXPECT_EQ(bench.board(), ".........");
    EXPECT_TRUE(bench.cues.played.empty());
    bench.random.script = {0.7};
    bench.game.playGreeting();
    EXPECT_EQ(bench.cues.played, Files{"start3.wav"});
    // Before New Game nothing can be played.
    bench.click({5, 1});
    EXPECT_EQ(bench.board(), ".........");
}

TEST(ShutDown, ExitSavesTheOptionsAsChanged)
{
    GameBench bench;
    bench.game.chooseFirstMover(Mark::O);
    bench.game.choosePlayers(Players::Two);
    bench.game.toggleScoring();
    bench.game.toggleSounds();
    bench.game.toggleOnTop();
    bench.game.chooseLevel(Level::Easy);
    bench.game.acceptPictureSet(PictureSet::numbered(3));
    EXPECT_EQ(recordFromOptions(bench.game.options()), (SettingsRecord{1, 2, 2, 1, 0, 1, 7}));
}

TEST(ShutDown, FarewellIsHeardOnlyWithSoundsOn)
{
    GameBench on;
    EXPECT_TRUE(on.game.sayFarewell());
    EXPECT_EQ(on.cues.played, Files{"end1.wav"});

    GameBench off({.sounds = SoundSwitch::fromSaved(0)});
    EXPECT_FALSE(off.game.sayFarewell());
    EXPECT_TRUE(off.cues.played.empty());
}

TEST(NewGame, ComputerOpensOnlyOnePlayerGamesWithOFirst)
{
    GameBench one({.level = Level::Easy, .firstMover = Mark::O});
    one.random.queueSquares({6});
    one.game.newGame();
    EXPECT_EQ(one.board(), ".....O...");
    EXPECT_EQ(one.random.reseeds, 1);
    one.random.queueSquares({9});
    one.game.clickSquare(1);
    EXPECT_EQ(one.board(), "X....O..O");
    one.random.queueSquares({2}); // every New Game opens again
    one.game.newGame();
    EXPECT_EQ(one.board(), ".O.......");

    GameBench two(twoPlayers(Mark::O));
    two.game.newGame();
    EXPECT_EQ(two.board(), ".........");
    EXPECT_EQ(two.game.match().nextMark(), Mark::O);
}

TEST(NewGame, MidGameClearsBoardAndResultButKeepsTheScore)
{
    GameBench bench(twoPlayers());
    bench.playXWinsBottomRow();
    EXPECT_EQ(bench.game.match().outcome(), Outcome::XWins);
    bench.game.newGame();
    bench.game.clickSquare(7);
    bench.game.newGame();
    EXPECT_EQ(bench.board(), ".........");
    EXPECT_EQ(bench.game.match().outcome(), Outcome::Open);
    EXPECT_TRUE(bench.game.match().isPlaying());
    EXPECT_EQ(bench.game.scoreboard().xWins(), 1);
}

TEST(Options, ChangingPlayersStopsTheGameAndKeepsTheMarks)
{
    GameBench bench;
    bench.game.newGame();
    bench.random.queueSquares({9});
    bench.game.clickSquare(5);
    bench.game.choosePlayers(Players::Two);
    EXPECT_FALSE(bench.game.match().isPlaying());
    bench.game.clickSquare(1);
    EXPECT_EQ(bench.board(), "....X...O");
    EXPECT_TRUE(bench.cues.played.empty());
}

TEST(Options, NewLevelAppliesFromTheNextReplyAndTheGameGoesOn)
{
    GameBench bench({.level = Level::Easy});
    bench.game.newGame();
    bench.random.queueSquares({9, 4});
    bench.click({1});
    bench.game.chooseLevel(Level::Unbeatable);
    EXPECT_EQ(bench.cues.played, (Files{"brain.wav", "brain.wav"}));
    bench.click({2}); // X on 1 and 2: Unbeatable blocks 3 whatever the draw
    EXPECT_EQ(bench.board(), "XXO.....O");
    EXPECT_TRUE(bench.game.match().isPlaying());
}

TEST(Scoring, SwitchingOffAndOnDropsTheTotals)
{
    GameBench bench(twoPlayers());
    bench.playXWinsBottomRow();
    EXPECT_EQ(bench.game.scoreboard().xWins(), 1);
    bench.game.toggleScoring();
    EXPECT_FALSE(bench.game.options().scoring);
    EXPECT_EQ(bench.game.scoreboard().xWins(), 0);
    bench.playXWinsBottomRow(); // not counted while scoring is off
    bench.game.toggleScoring();
    EXPECT_EQ(bench.game.scoreboard().xWins(), 0);
    bench.playXWinsBottomRow();
    bench.game.clearScore();
    EXPECT_EQ(bench.game.scoreboard().xWins(), 0);
    EXPECT_EQ(bench.cues.played, (Files{"x2win1.wav", "score.wav", "x2win1.wav", "score.wav",
                                        "x2win1.wav", "Ahh.wav"}));
}

TEST(Sounds, OffSilencesEveryCueAndDrawsNothing)
{
    // Each plays a cue while sounds are on.
    const std::function<void(GameBench&)> cueing[] = {
        [](GameBench& b) { b.game.playGreeting(); },
        [](GameBench& b) { b.game.chooseLevel(Level::Easy); },
        [](GameBench& b) { b.game.clickLevelButton(Level::Hard); },
        [](GameBench& b) { b.game.toggleScoring(); },
        [](GameBench& b) { b.game.clearScore(); },
        [](GameBench& b) { b.game.playAboutCue(); },
        [](GameBench& b) {
            b.game.choosePlayers(Players::Two);
            b.playXWinsBottomRow(); // the win
            b.game.newGame();
            b.click({5, 5}); // the refusal
        },
        [](GameBench& b) { EXPECT_FALSE(b.game.sayFarewell()); },
    };
    GameBench bench;
    bench.game.toggleSounds();
    EXPECT_FALSE(bench.game.options().sounds.isOn());
    for (const auto& action : cueing)
        action(bench);
    EXPECT_TRUE(bench.cues.played.empty());
    EXPECT_EQ(bench.random.draws, 0); // a silent cue draws no file
    bench.game.toggleSounds();
    bench.click({5});
    EXPECT_EQ(bench.cues.played, Files{"Error.wav"});
}

TEST(PictureSet, AcceptingASetHidesTheMarksAndStopsTheGame)
{
    GameBench bench(twoPlayers());
    bench.game.newGame();
    bench.game.clickSquare(5);
    EXPECT_EQ(bench.game.shownMark(5), Mark::X);
    bench.game.acceptPictureSet(PictureSet::numbered(1));
    EXPECT_EQ(bench.game.options().pictureSet.firstPicture(), 1);
    EXPECT_EQ(bench.game.shownMark(5), Mark::Free);
    EXPECT_EQ(bench.game.match().board().at(5), Mark::X);
    EXPECT_FALSE(bench.game.match().isPlaying());
    bench.game.newGame();
    bench.game.clickSquare(5);
    EXPECT_EQ(bench.game.shownMark(5), Mark::X);
}

TEST(PictureSet, WinningLinesShowUntilTheMarksAreHidden)
{
    GameBench bench(twoPlayers());
    bench.game.newGame();
    // X's last mark, the centre, completes a row and a diagonal at once.
    for (Square square : {4, 1, 6, 2, 7, 8, 3, 9})
        bench.game.clickSquare(square);
    EXPECT_TRUE(bench.game.shownWinningLines().empty());
    bench.game.clickSquare(5);
    EXPECT_EQ(bench.game.shownWinningLines(), (std::vector<Line>{{4, 5, 6}, {3, 5, 7}}));
    bench.game.acceptPictureSet(PictureSet::numbered(2));
    EXPECT_TRUE(bench.game.shownWinningLines().empty());
}

// The news as one line: "new O6 X-to-move", "refused5", "players stopped", "XWins123 score100".
std::string told(const News& news)
{
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : " ") + part; };
    if (news.newGame)
        add("new");
    static const char* const settings[] = {"level",   "players", "first", "scoring",
                                           "cleared", "sounds",  "on-top"};
    if (news.changed)
        add(settings[static_cast<int>(*news.changed)]);
    if (news.stopped)
        add("stopped");
    if (news.noGame)
        add("no-game");
    if (news.refused)
        add("refused" + std::to_string(*news.refused));
    if (news.computerMove)
        add("O" + std::to_string(*news.computerMove));
    if (news.playerMove)
        add((news.playerMark == Mark::X ? "X" : "O") + std::to_string(*news.playerMove));
    if (news.toMove)
        add(news.toMove == Mark::X ? "X-to-move" : "O-to-move");
    static const char* const outcomes[] = {"", "XWins", "OWins", "Draw"};
    if (news.outcome != Outcome::Open) {
        std::string lines;
        for (const Line& line : news.winningLines)
            lines += std::to_string(line[0]) + std::to_string(line[1]) + std::to_string(line[2]);
        add(outcomes[static_cast<int>(news.outcome)] + lines);
    }
    if (news.score)
        add("score" + std::to_string(news.score->xWins()) + std::to_string(news.score->oWins()) +
            std::to_string(news.score->draws()));
    return text;
}

TEST(News, EachActionTellsWhatItChangedOnce)
{
    GameBench one({.level = Level::Easy, .firstMover = Mark::O});
    GameBench two(twoPlayers());
    struct Step
    {
        GameBench& bench;
        std::initializer_list<Square> draws;
        std::function<void(Game&)> action;
        std::string expected;
    };
    const auto click = [](Square square) {
        return [square](Game& game) { game.clickSquare(square); };
    };
    const auto newGame = [](Game& game) { game.newGame(); };
    const auto players = [](Players p) { return [p](Game& game) { game.choosePlayers(p); }; };
    const Step steps[] = {
        {one, {6}, newGame, "new O6 X-to-move"},
        {one, {}, [](Game&) {}, ""}, // told once
        {one, {}, click(6), "refused6"},
        {one, {9}, click(1), "O9"}, // the player's own mark and turn go untold
        {one, {}, players(Players::Two), "players stopped"},
        {one, {}, players(Players::One), "players"}, // nothing was running
        {one, {}, click(2), "no-game"},
        {one, {}, [](Game& game) { game.chooseLevel(Level::Hard); }, "level"},
        {one, {}, [](Game& game) { game.clickLevelButton(Level::Easy); }, ""}, // it shows it
        {one, {}, [](Game& game) { game.toggleSounds(); }, "sounds"},
        {one, {3}, newGame, "new O3 X-to-move"},
        {one, {}, [](Game& game) { game.acceptPictureSet(PictureSet::numbered(2)); }, "stopped"},
        {two, {}, newGame, "new X-to-move"},
        {two, {}, click(1), "X1 O-to-move"},
        {two, {}, click(4), "O4 X-to-move"},
        {two, {}, click(2), "X2 O-to-move"},
        {two, {}, click(5), "O5 X-to-move"},
        {two, {}, click(3), "X3 XWins123 score100"},
        {two, {}, click(9), "no-game"},
        {two, {}, [](Game& game) { game.toggleScoring(); }, "scoring"},
    };
    for (const Step& step : steps) {
        step.bench.random.queueSquares(step.draws);
        step.action(step.bench.game);
        const News news = step.bench.game.takeNews();
        EXPECT_EQ(told(news), step.expected);
        EXPECT_EQ(news.isEmpty(), step.expected.empty());
    }
}

TEST(Keys, PlayAWholeGameFromTheKeyboard)
{
    GameBench bench(twoPlayers());
    EXPECT_EQ(bench.game.pressKey(U'p').kind, Game::KeyResult::Kind::Handled);
    for (char32_t key : {U'7', U'1', U'8', U'2', U'9'})
        bench.game.pressKey(key);
    EXPECT_EQ(bench.board(), "OO....XXX");
    EXPECT_EQ(bench.game.match().outcome(), Outcome::XWins);
    EXPECT_EQ(bench.game.pressKey(U'x').kind, Game::KeyResult::Kind::Ignored);
    EXPECT_EQ(bench.game.pressKey(U'S').kind, Game::KeyResult::Kind::QuitNow);
    EXPECT_EQ(bench.game.pressKey(U' ').kind, Game::KeyResult::Kind::Handled);
    EXPECT_EQ(bench.board(), ".........");
}

} // namespace
} // namespace ttt::test
