// Players, first move and difficulty from the menus and the option buttons, and the keys.
#include "harness.h"

#include <gtest/gtest.h>

namespace ttt::test {
namespace {

TEST(Players, SwitchingDuringAGameStopsItAndKeepsTheMarks)
{
    Harness h;
    h.start();
    h.game.newGame();
    h.random.queueSquares({9});
    h.game.clickSquare(5);
    h.game.chooseTwoPlayer();
    EXPECT_TRUE(h.game.twoPlayerChecked());
    EXPECT_FALSE(h.game.onePlayerChecked());
    EXPECT_EQ(h.game.playersButton(), 1);
    EXPECT_EQ(h.game.gameover(), 1);
    EXPECT_TRUE(h.game.showsNewGamePointer());
    h.game.clickSquare(1);
    EXPECT_EQ(h.boardText(), "....X...O");
    EXPECT_TRUE(h.cues.played.empty());
}

TEST(Players, ChoosingTheOptionInForceDoesNothing)
{
    Harness h;
    h.start();
    h.game.newGame();
    h.game.chooseOnePlayer();
    EXPECT_EQ(h.game.gameover(), 0);
    h.game.clickPlayersButton(0);
    EXPECT_EQ(h.game.gameover(), 0);
    h.game.clickPlayersButton(1);
    EXPECT_EQ(h.game.gameover(), 1);
    EXPECT_TRUE(h.game.twoPlayerChecked());
}

TEST(FirstMove, MenuChoiceLeavesTheButtonsAndStopsTheGame)
{
    Harness h;
    h.start();
    h.game.newGame();
    h.game.chooseOFirst();
    EXPECT_TRUE(h.game.oFirstChecked());
    EXPECT_FALSE(h.game.xFirstChecked());
    EXPECT_EQ(h.game.firstMoveButton(), 0);
    EXPECT_EQ(h.game.firstflag(), 2);
    EXPECT_EQ(h.game.gameover(), 1);
    // The same menu choice again changes nothing.
    h.game.newGame();
    const int movesAfterNewGame = h.game.movecount();
    h.game.chooseOFirst();
    EXPECT_EQ(h.game.gameover(), 0);
    EXPECT_EQ(h.game.movecount(), movesAfterNewGame);
    h.game.chooseXFirst();
    EXPECT_EQ(h.game.firstflag(), 0);
    EXPECT_EQ(h.game.gameover(), 1);
}

TEST(FirstMove, ButtonAlwaysStopsTheGameAndUpdatesTheMenu)
{
    Harness h;
    h.start();
    h.game.newGame();
    h.game.clickFirstMoveButton(0); // already in force
    EXPECT_EQ(h.game.gameover(), 1);
    EXPECT_TRUE(h.game.showsNewGamePointer());
    h.game.clickFirstMoveButton(1);
    EXPECT_TRUE(h.game.oFirstChecked());
    EXPECT_EQ(h.game.firstMoveButton(), 1);
    EXPECT_EQ(h.game.firstflag(), 2);
}

TEST(FirstMove, TwoPlayersWithOFirstStartOnAnEmptyBoard)
{
    Harness h;
    h.start(twoPlayers(2));
    h.game.newGame();
    EXPECT_EQ(h.boardText(), ".........");
    h.game.clickSquare(5);
    EXPECT_EQ(h.boardText(), "....O....");
}

TEST(Difficulty, MenuChangePlaysBrainTwiceAndKeepsTheGameGoing)
{
    Harness h;
    h.start();
    h.game.newGame();
    h.game.chooseDifficulty(3); // already checked: silent
    EXPECT_TRUE(h.cues.played.empty());
    h.game.chooseDifficulty(1);
    EXPECT_EQ(h.cues.played, (std::vector<std::string>{"brain.wav", "brain.wav"}));
    EXPECT_EQ(h.game.difficulty(), 1);
    EXPECT_EQ(h.game.checkedLevel(), 1);
    EXPECT_EQ(h.game.difficultyButton(), 0);
    EXPECT_EQ(h.game.gameover(), 0);
}

TEST(Difficulty, ButtonPlaysBrainOnEveryClick)
{
    Harness h;
    h.start();
    h.game.clickDifficultyButton(2);
    h.game.clickDifficultyButton(2);
    h.game.clickDifficultyButton(3);
    EXPECT_EQ(h.cues.played.size(), 3u);
    EXPECT_EQ(h.game.difficulty(), 4);
    EXPECT_EQ(h.game.checkedLevel(), 4);
}

TEST(Difficulty, NewLevelAppliesFromTheNextReply)
{
    int lastLevel = 0;
    Harness h([&lastLevel](int difficulty, const Board&, int draw, int) {
        lastLevel = difficulty;
        return draw;
    });
    h.start({2, 1, 1, 0, 0, 0, 16});
    h.game.newGame();
    h.random.queueSquares({9, 1});
    h.game.clickSquare(5);
    EXPECT_EQ(lastLevel, 2);
    h.game.chooseDifficulty(4);
    h.game.clickSquare(3);
    EXPECT_EQ(lastLevel, 4);
}

TEST(Keys, PlayAWholeGameFromTheKeyboard)
{
    Harness h;
    h.start(twoPlayers());
    EXPECT_EQ(h.game.pressKey(U'p'), Game::KeyResult::Handled);
    for (char32_t key : {U'7', U'1', U'8', U'2', U'9'})
        h.game.pressKey(key);
    EXPECT_EQ(h.boardText(), "OO....XXX");
    EXPECT_EQ(h.game.result(), Game::ResultPicture::XWins);
    EXPECT_EQ(h.game.pressKey(U'x'), Game::KeyResult::Ignored);
    EXPECT_EQ(h.game.pressKey(U'S'), Game::KeyResult::QuitNow);
    EXPECT_EQ(h.game.pressKey(U' '), Game::KeyResult::Handled);
    EXPECT_EQ(h.boardText(), ".........");
}

} // namespace
} // namespace ttt::test
