// SPDX-License-Identifier: GPL-3.0-or-later
// The move cycle, one position a row: given this board, this click (and these draws for
// the computer) gives that board, cue and outcome.
#include "core/boardtext.h"
#include "core/tests/scriptedrandom.h"
#include "game/match.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <tuple>
#include <utility>

namespace ttt::test {
namespace {

using Kind = Match::Move::Kind;
constexpr Players one = Players::One;
constexpr Players two = Players::Two;

struct Row
{
    const char* name;
    const char* before;
    Players players;
    Mark next;
    Level level;
    Square click;
    std::initializer_list<Square> draws; // the computer's, in turn
    const char* after;
    Kind kind;
    std::optional<Cue> cue;
    Outcome outcome;
};

// clang-format off
const Row rows[] = {
    {"the computer answers with its draw", ".........", one, Mark::X, Level::Easy, 5, {9}, "....X...O", Kind::Played, {}, Outcome::Open},
    {"a taken draw is drawn again", "....X...O", one, Mark::X, Level::Easy, 1, {5, 9, 2}, "XO..X...O", Kind::Played, {}, Outcome::Open},
    {"a taken square is refused, no reply", "....X...O", one, Mark::X, Level::Easy, 9, {}, "....X...O", Kind::Refused, Cue::Refusal, Outcome::Open},
    {"two players take turns", "X........", two, Mark::O, Level::Easy, 2, {}, "XO.......", Kind::Played, {}, Outcome::Open},
    {"the human's line ends the game, no reply", "XX.OO....", one, Mark::X, Level::Easy, 3, {}, "XXXOO....", Kind::Played, Cue::HumanWins, Outcome::XWins},
    {"X's line in a two-player game", "XX.OO....", two, Mark::X, Level::Easy, 3, {}, "XXXOO....", Kind::Played, Cue::XWins, Outcome::XWins},
    {"O's line in a two-player game", "XX.OO.X..", two, Mark::O, Level::Easy, 6, {}, "XX.OOOX..", Kind::Played, Cue::OWins, Outcome::OWins},
    {"the computer's line", "X..X..OO.", one, Mark::X, Level::Easy, 3, {9}, "X.XX..OOO", Kind::Played, Cue::ComputerWins, Outcome::OWins},
    {"the human's fifth mark fills the board", "XO.OXXOXO", one, Mark::X, Level::Easy, 3, {}, "XOXOXXOXO", Kind::Played, Cue::Draw, Outcome::Draw},
    {"the computer's reply fills the board", "OXOXO.XO.", one, Mark::X, Level::Easy, 9, {6}, "OXOXOOXOX", Kind::Played, Cue::Draw, Outcome::Draw},
    {"Meduim blocks an open pair", "X...O....", one, Mark::X, Level::Medium, 2, {9}, "XXO.O....", Kind::Played, {}, Outcome::Open},
    {"Easy plays the draw past an open pair", "X...O....", one, Mark::X, Level::Easy, 2, {9}, "XX..O...O", Kind::Played, {}, Outcome::Open},
    {"Hard turns draw 7 to the centre", ".........", one, Mark::X, Level::Hard, 9, {7}, "....O...X", Kind::Played, {}, Outcome::Open},
    {"Hard draws again when its rule names a taken square", ".O.....XO", one, Mark::X, Level::Hard, 3, {1, 4}, ".OX.O..XO", Kind::Played, {}, Outcome::Open},
    {"after nine misses the draw alone decides", ".......XO", one, Mark::X, Level::Unbeatable, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 3, 6}, "..X..O.XO", Kind::Played, {}, Outcome::Open},
    {"Unbeatable answers a centre opening with 9", ".........", one, Mark::X, Level::Unbeatable, 5, {1}, "....X...O", Kind::Played, {}, Outcome::Open},
};
// clang-format on

TEST(Match, EachRowGivesItsBoardCueAndOutcome)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Match match(*boardFromText(row.before), row.next);
        ScriptedRandom random;
        random.queueSquares(row.draws);
        const Options options{.level = row.level, .players = row.players};
        const Match::Move move = match.click(row.click, options, random);
        EXPECT_EQ(boardText(match.board()), row.after);
        EXPECT_EQ(move.kind, row.kind);
        EXPECT_EQ(move.cue, row.cue);
        EXPECT_EQ(move.outcome, row.outcome);
        EXPECT_EQ(match.outcome(), row.outcome);
        EXPECT_EQ(match.isPlaying(), row.outcome == Outcome::Open);
        EXPECT_EQ(random.reseeds, 1);
        EXPECT_TRUE(random.script.empty()) << random.script.size() << " draws left";
    }
}

TEST(Match, TheComputersLatestSquareIsKnownUntilTheNextMark)
{
    ScriptedRandom random;
    const Options onePlayer{.level = Level::Easy};
    Match match(*boardFromText("XX..O...."), Mark::X);
    random.queueSquares({9});
    EXPECT_EQ(match.click(4, onePlayer, random).square, 9);
    EXPECT_EQ(match.latestSquare(), 9);
    const Match::Move refused = match.click(9, onePlayer, random);
    EXPECT_EQ(refused.kind, Kind::Refused);
    EXPECT_EQ(refused.square, 9);
    EXPECT_EQ(match.latestSquare(), 9) << "a refused click places nothing";
    match.click(3, onePlayer, random); // X's winning line: no reply
    EXPECT_EQ(match.latestSquare(), std::nullopt);
}

// With two players each mark is pointed out, as the computer's is, until the next one;
// an ended game keeps its last, a stopped one forgets it.
TEST(Match, WithTwoPlayersEveryMarkIsTheLatest)
{
    ScriptedRandom random;
    const Options twoPlayers{.players = Players::Two};
    Match match(*boardFromText("XX.OO...."), Mark::X);
    // X, a refused click, O, and X's winning line.
    for (const auto& [square, latest] :
         std::initializer_list<std::pair<Square, Square>>{{6, 6}, {6, 6}, {9, 9}, {3, 3}}) {
        match.click(square, twoPlayers, random);
        EXPECT_EQ(match.latestSquare(), latest) << "after a click on " << square;
    }
    match.stop();
    EXPECT_EQ(match.latestSquare(), 3);

    Match stopped(Board(), Mark::O);
    stopped.click(5, twoPlayers, random);
    ASSERT_EQ(stopped.latestSquare(), 5);
    stopped.stop();
    EXPECT_EQ(stopped.latestSquare(), std::nullopt);
}

TEST(Match, ClicksAreIgnoredWhileIdleAndOffTheBoard)
{
    ScriptedRandom random;
    Match idle;
    Match playing(Board(), Mark::X);
    for (Square square : Board::squares)
        EXPECT_EQ(idle.click(square, {}, random).kind, Kind::Ignored);
    for (Square square : {0, 10, -1})
        EXPECT_EQ(playing.click(square, {}, random).kind, Kind::Ignored);
    EXPECT_EQ(random.reseeds, 0);
    EXPECT_EQ(idle.board(), Board());
    EXPECT_EQ(playing.board(), Board());
}

TEST(Match, StoppedGameKeepsItsMarksAndIgnoresClicks)
{
    ScriptedRandom random;
    Match match(*boardFromText("X...O...."), Mark::X);
    match.stop();
    EXPECT_EQ(match.click(2, {}, random).kind, Kind::Ignored);
    EXPECT_EQ(boardText(match.board()), "X...O....");
    EXPECT_FALSE(match.isPlaying());
}

// Stopping a running game leaves no mark pointed at; a game that had ended keeps its own.
TEST(Match, OnlyAStoppedRunningGameForgetsTheComputersLatestSquare)
{
    const Options onePlayer{.level = Level::Easy};
    for (const auto& [board, reply, ended] :
         {std::tuple{"X...O....", 9, false}, std::tuple{"X..OO....", 6, true}}) {
        ScriptedRandom random;
        Match match(*boardFromText(board), Mark::X);
        random.queueSquares({reply});
        match.click(2, onePlayer, random);
        ASSERT_EQ(match.latestSquare(), reply);
        ASSERT_EQ(match.isPlaying(), !ended);
        match.stop();
        EXPECT_EQ(match.latestSquare(), ended ? std::optional<Square>(reply) : std::nullopt)
            << board;
    }
}

TEST(Match, NewGameStartsEmptyWithTheFirstMover)
{
    const Options twoPlayers{.players = Players::Two};
    for (const Mark first : {Mark::X, Mark::O}) {
        Match match(*boardFromText("XXXOO...."), Mark::O);
        match.start(first);
        EXPECT_EQ(match.board(), Board());
        EXPECT_EQ(match.outcome(), Outcome::Open);
        EXPECT_FALSE(match.computerToMove(twoPlayers));
        ScriptedRandom random;
        for (Square square : {1, 2, 3})
            match.click(square, twoPlayers, random);
        EXPECT_EQ(boardText(match.board()), first == Mark::X ? "XOX......" : "OXO......");
    }
    Match computerFirst;
    computerFirst.start(Mark::O);
    EXPECT_TRUE(computerFirst.computerToMove({}));
    EXPECT_FALSE(computerFirst.computerToMove(twoPlayers));
}

} // namespace
} // namespace ttt::test
