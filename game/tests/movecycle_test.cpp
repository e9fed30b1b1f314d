// The move cycle: marks, refusals, the computer's reply and its bounded redrawing.
#include "harness.h"

#include <gtest/gtest.h>

namespace ttt::test {
namespace {

TEST(MoveCycle, NothingHappensWhileNoGameRuns)
{
    Harness h;
    h.start();
    for (int s = 1; s <= 9; ++s)
        h.game.clickSquare(s);
    EXPECT_EQ(h.boardText(), ".........");
    EXPECT_EQ(h.random.reseeds, 0);
    EXPECT_TRUE(h.cues.played.empty());
}

TEST(MoveCycle, TwoPlayerMarksAlternateFromTheChosenSide)
{
    struct Case
    {
        int firstMover;
        const char* board;
    };
    for (const Case& c : {Case{1, "XOX......"}, Case{2, "OXO......"}}) {
        Harness h;
        h.start(twoPlayers(c.firstMover));
        h.game.newGame();
        EXPECT_EQ(h.game.cellPointer(),
                  c.firstMover == 1 ? Game::Pointer::XMark : Game::Pointer::OMark);
        h.click({1, 2, 3});
        EXPECT_EQ(h.boardText(), c.board);
        EXPECT_EQ(h.game.movecount(), 3);
    }
}

TEST(MoveCycle, TakenSquareIsRefusedWithOneErrorCueAndNoReply)
{
    Harness h;
    h.start();
    h.game.newGame();
    h.random.queueSquares({9});
    h.game.clickSquare(5);
    ASSERT_EQ(h.boardText(), "....X...O");
    h.game.clickSquare(9);
    h.game.clickSquare(5);
    EXPECT_EQ(h.boardText(), "....X...O");
    EXPECT_EQ(h.game.movecount(), 2);
    EXPECT_EQ(h.cues.played, (std::vector<std::string>{"Error.wav", "Error.wav"}));
}

TEST(MoveCycle, ClickOnATakenSquareAfterTheEndIsSilent)
{
    Harness h;
    h.start(twoPlayers());
    h.playXWinsBottomRow();
    h.cues.played.clear();
    h.game.clickSquare(1);
    h.game.clickSquare(9);
    EXPECT_TRUE(h.cues.played.empty());
    EXPECT_EQ(h.boardText(), "XXXOO....");
}

TEST(MoveCycle, ComputerAnswersEveryHumanMoveWithTheDraw)
{
    Harness h;
    h.start();
    h.game.newGame();
    h.random.queueSquares({3, 7});
    h.game.clickSquare(5);
    h.game.clickSquare(1);
    EXPECT_EQ(h.boardText(), "X.O.X.O..");
    EXPECT_EQ(h.game.movecount(), 4);
    EXPECT_EQ(h.game.turn(), 0);
}

TEST(MoveCycle, EasyRedrawsOccupiedSquaresUntilAFreeOne)
{
    Harness h;
    h.start({1, 1, 1, 0, 1, 0, 16});
    h.game.newGame();
    h.random.queueSquares({5, 5, 5, 2});
    h.game.clickSquare(5);
    EXPECT_EQ(h.boardText(), ".O..X....");
}

TEST(MoveCycle, HumansWinningMoveEndsTheGameAtOnce)
{
    Harness h;
    h.start({1, 1, 1, 0, 1, 0, 16});
    h.game.newGame();
    h.random.queueSquares({7, 8});
    h.click({1, 2, 3});
    EXPECT_EQ(h.boardText(), "XXX...OO.");
    EXPECT_EQ(h.game.gameover(), 1);
    EXPECT_TRUE(h.game.showsNewGamePointer());
    EXPECT_EQ(h.game.result(), Game::ResultPicture::XWins);
    EXPECT_EQ(h.game.cellPointer(), Game::Pointer::Arrow);
    EXPECT_EQ(h.game.scoreboard().xText(), " 1");
    EXPECT_EQ(h.cues.played.size(), 1u);
    EXPECT_EQ(h.cues.played[0].substr(0, 4), "xwin");
}

TEST(MoveCycle, ComputersWinningReplyShowsThePointerAndArrow)
{
    Harness h;
    h.start({1, 1, 1, 0, 1, 0, 16});
    h.game.newGame();
    h.random.queueSquares({7, 8, 9});
    h.click({1, 2, 4});
    EXPECT_EQ(h.boardText(), "XX.X..OOO");
    EXPECT_EQ(h.game.result(), Game::ResultPicture::OWins);
    EXPECT_TRUE(h.game.showsNewGamePointer());
    EXPECT_EQ(h.game.cellPointer(), Game::Pointer::Arrow);
    ASSERT_EQ(h.cues.played.size(), 1u);
    EXPECT_EQ(h.cues.played[0].substr(0, 4), "owin");
}

TEST(MoveCycle, FifthHumanMarkFillsTheBoardWithoutAReply)
{
    Harness h;
    h.start({1, 1, 1, 0, 1, 0, 16});
    h.game.newGame();
    // X: 5, 1, 6, 8, 3 and O: 9, 4, 2, 7 fill the board without a line.
    h.random.queueSquares({9, 4, 2, 7});
    h.click({5, 1, 6, 8, 3});
    EXPECT_EQ(h.boardText(), "XOXOXXOXO");
    EXPECT_EQ(h.game.movecount(), 9);
    EXPECT_EQ(h.game.result(), Game::ResultPicture::NoWin);
    EXPECT_EQ(h.game.scoreboard().drawText(), " 1");
    EXPECT_TRUE(h.game.showsNewGamePointer());
    ASSERT_EQ(h.cues.played.size(), 1u);
    EXPECT_EQ(h.cues.played[0].substr(0, 5), "nowin");
}

TEST(MoveCycle, ComputerOpensWithOGoesFirst)
{
    Harness h;
    h.start({1, 2, 1, 0, 1, 0, 16});
    h.random.queueSquares({6});
    h.game.newGame();
    EXPECT_EQ(h.boardText(), ".....O...");
    EXPECT_EQ(h.game.movecount(), 1);
    EXPECT_EQ(h.game.firstflag(), 0);
    EXPECT_EQ(h.game.turn(), 0);
    h.random.queueSquares({9});
    h.game.clickSquare(1);
    EXPECT_EQ(h.boardText(), "X....O..O");
    // Every one-player New Game with "O Goes First" opens again.
    h.random.queueSquares({2});
    h.game.newGame();
    EXPECT_EQ(h.boardText(), ".O.......");
}

TEST(MoveCycle, SelectorIsConsultedOnTheFirstNineDrawsOnly)
{
    int calls = 0;
    Harness h([&calls](int, const Board&, int, int) {
        ++calls;
        return 5; // always the taken centre
    });
    h.start({2, 1, 1, 0, 1, 0, 16});
    h.game.newGame();
    calls = 0;
    h.random.queueSquares({1, 2, 3, 4, 5, 6, 7, 8, 9, 5, 5, 8});
    h.game.clickSquare(5);
    EXPECT_EQ(calls, 9);
    EXPECT_EQ(h.boardText(), "....X..O.");
}

TEST(MoveCycle, SelectorSeesBoardDrawAndMoveCount)
{
    struct Seen
    {
        int difficulty, draw, movecount;
        Board board;
    } seen{};
    Harness h([&seen](int difficulty, const Board& board, int draw, int movecount) {
        seen = {difficulty, draw, movecount, board};
        return 2;
    });
    h.start({4, 1, 1, 0, 1, 0, 16});
    h.game.newGame();
    h.random.queueSquares({7});
    h.game.clickSquare(5);
    EXPECT_EQ(seen.difficulty, 4);
    EXPECT_EQ(seen.draw, 7);
    EXPECT_EQ(seen.movecount, 1);
    EXPECT_EQ(seen.board.at(5), X);
    EXPECT_EQ(h.game.compmove(), 2);
    EXPECT_EQ(h.boardText(), ".O..X....");
}

TEST(MoveCycle, SelectorNamingNoSquareCountsAsAFailedDraw)
{
    Harness h([](int, const Board&, int draw, int) { return draw == 1 ? 0 : draw; });
    h.start({3, 1, 1, 0, 1, 0, 16});
    h.game.newGame();
    h.random.queueSquares({1, 4});
    h.game.clickSquare(5);
    EXPECT_EQ(h.boardText(), "...OX....");
}

TEST(MoveCycle, CellsShowTheMarkPicturesOfTheCurrentSet)
{
    Harness h;
    h.start({3, 1, 2, 0, 1, 0, 4});
    h.game.newGame();
    h.game.clickSquare(7);
    h.game.clickSquare(3);
    EXPECT_EQ(h.game.shownCard(7), 5);
    EXPECT_EQ(h.game.shownCard(3), 6);
    EXPECT_EQ(h.game.shownCard(1), 4);
}

TEST(MoveCycle, WinningCueDependsOnTheNumberOfPlayers)
{
    struct Case
    {
        SettingsRecord settings;
        std::initializer_list<int> clicks;
        const char* cue;
    };
    const Case cases[] = {
        {twoPlayers(1), {1, 4, 2, 5, 3}, "x2win"},
        {twoPlayers(1), {4, 1, 5, 2, 9, 3}, "o2win"},
        {twoPlayers(2), {1, 4, 2, 5, 3}, "o2win"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.start(c.settings);
        h.game.newGame();
        for (int s : c.clicks)
            h.game.clickSquare(s);
        ASSERT_EQ(h.cues.played.size(), 1u);
        EXPECT_EQ(h.cues.played[0].substr(0, 5), c.cue);
    }
}

TEST(MoveCycle, WinningCueFileIsDrawnFromThree)
{
    for (int pick = 0; pick < 3; ++pick) {
        Harness h;
        h.start(twoPlayers());
        h.game.newGame();
        h.click({7, 1, 5, 2});
        h.random.script = {(pick + 0.5) / 3.0};
        h.game.clickSquare(3); // X: 7, 5, 3 diagonal
        EXPECT_EQ(h.cues.played,
                  std::vector<std::string>{"x2win" + std::to_string(pick + 1) + ".wav"});
    }
}

} // namespace
} // namespace ttt::test
