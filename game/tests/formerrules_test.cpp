// SPDX-License-Identifier: GPL-3.0-or-later
// The game against a small copy of the rules as its first form wrote them: integer
// flags, the first mover kept both as a check mark and as an opening flag that New Game
// and the move cycle step 0 -> 2 -> 1 -> 0, and the computer's opening made by a click
// on square 1. Every position reachable by New Game and clicks, from both first movers
// and with one or two players, is played at every level with every first draw of the
// computer, and the option choices are tried on the early positions. After each step both
// must show the same board, cues, outcome, pointer and options.
#include "core/boardtext.h"
#include "core/tests/scriptedrandom.h"
#include "game/game.h"
#include "opponent/selector.h"
#include "results/tests/recordingcues.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <unordered_set>

namespace ttt::test {
namespace {

struct FormerGame
{
    RandomSource* random;
    RecordingCues* cues;
    Level level;
    Board board{};
    int movecount = 0;
    int turn = 0;      // 0 one player, 1 X next, 2 O next
    int firstflag = 0; // 2: the computer owes the opening
    int gameover = 1;
    bool oFirstChecked = false;
    bool twoPlayerChecked = false;
    int firstMoveButton = 0;
    Outcome result = Outcome::Open;

    void newGame()
    {
        gameover = 0;
        board = Board();
        movecount = 0;
        result = Outcome::Open;
        if (!twoPlayerChecked) {
            turn = 0;
            if (oFirstChecked)
                firstflag = 2;
            if (firstflag == 2)
                click(1);
            if (firstflag == 1)
                firstflag = 0;
        } else {
            turn = oFirstChecked ? 2 : 1;
        }
    }

    void click(Square square)
    {
        if (gameover == 1)
            return;
        random->reseed();
        if (!board.isFree(square)) {
            cue(Cue::Error);
            return;
        }
        if (turn == 0) {
            if (firstflag == 2) {
                reply();
                return;
            }
            place(square, Mark::X);
            if (firstflag == 1)
                firstflag = 2;
        } else {
            place(square, turn == 1 ? Mark::X : Mark::O);
            turn = turn == 1 ? 2 : 1;
        }
        checkwin();
        if (gameover == 1 || movecount == 9 || turn > 0)
            return;
        reply();
    }

    void reply()
    {
        int failed = 0;
        Square move = 0;
        for (;;) {
            move = drawOneOf(*random, 9);
            if (level != Level::Easy && failed < 9)
                move = selectMove(level, board, move);
            if (move >= 1 && move <= 9 && board.isFree(move))
                break;
            ++failed;
        }
        place(move, Mark::O);
        checkwin();
        if (movecount == 9)
            return;
        if (firstflag == 2)
            firstflag = 1;
    }

    void place(Square square, Mark mark)
    {
        ++movecount;
        board.place(square, mark);
    }

    void checkwin()
    {
        const Mark line = winner(board);
        if (line == Mark::Free && movecount < 9)
            return;
        gameover = 1;
        const bool two = turn != 0;
        result = line == Mark::X   ? Outcome::XWins
                 : line == Mark::O ? Outcome::OWins
                                   : Outcome::Draw;
        cue(line == Mark::X   ? (two ? Cue::X2Win : Cue::XWin)
            : line == Mark::O ? (two ? Cue::O2Win : Cue::OWin)
                              : Cue::NoWin);
    }

    void cue(Cue which) { cues->play(chooseCueFile(which, *random)); }

    void chooseFirstMover(bool oFirst)
    {
        if (oFirstChecked != oFirst)
            setFirstMover(oFirst);
    }
    void clickFirstMoveButton(bool oFirst)
    {
        firstMoveButton = oFirst ? 1 : 0;
        setFirstMover(oFirst);
    }
    void setFirstMover(bool oFirst)
    {
        oFirstChecked = oFirst;
        firstflag = oFirst ? 2 : 0;
        gameover = 1;
    }
    void choosePlayers(bool two)
    {
        if (twoPlayerChecked != two) {
            twoPlayerChecked = two;
            gameover = 1;
        }
    }

    std::string key() const
    {
        std::ostringstream out;
        out << board << movecount << turn << firstflag << gameover << oFirstChecked
            << twoPlayerChecked << firstMoveButton << static_cast<int>(result);
        return out.str();
    }
};

// Both forms, each with its own draws and cues.
struct Pair
{
    ScriptedRandom formerRandom, newRandom;
    RecordingCues formerCues, newCues;
    FormerGame former;
    Game game{newRandom, newCues};
};

using Action = std::function<void(FormerGame&, Game&)>;

struct Explorer
{
    Level level;
    std::unordered_set<std::string> seen{};
    int steps = 0;

    // The draws of one step: `first`, then every square in turn, twice.
    static void script(ScriptedRandom& random, Square first)
    {
        random.script.clear();
        random.queueSquares({first});
        for (int round = 0; round < 2; ++round) {
            for (Square square : Board::squares)
                random.queueSquares({square});
        }
    }

    // Whether a step may draw squares for the computer: then every first draw is tried.
    static bool mayDraw(const FormerGame& f, bool isNewGame)
    {
        if (isNewGame)
            return !f.twoPlayerChecked && f.oFirstChecked;
        return f.gameover == 0 && f.turn == 0;
    }

    void explore(const FormerGame& former, const Game& game, Pair& bench)
    {
        if (testing::Test::HasFailure() || !seen.insert(former.key() + keyOf(game)).second)
            return;
        const bool early = former.board.markCount() <= 2;
        std::vector<std::pair<std::string, Action>> actions;
        actions.push_back({"New Game", [](FormerGame& f, Game& g) {
                               f.newGame();
                               g.newGame();
                           }});
        for (Square square : Board::squares) {
            actions.push_back({"click " + std::to_string(square), [square](FormerGame& f, Game& g) {
                                   f.click(square);
                                   g.clickSquare(square);
                               }});
        }
        if (early) {
            for (bool o : {false, true}) {
                const Mark mover = o ? Mark::O : Mark::X;
                actions.push_back({"menu first move", [o, mover](FormerGame& f, Game& g) {
                                       f.chooseFirstMover(o);
                                       g.chooseFirstMover(mover);
                                   }});
                actions.push_back({"first-move button", [o, mover](FormerGame& f, Game& g) {
                                       f.clickFirstMoveButton(o);
                                       g.clickFirstMoveButton(mover);
                                   }});
                const Players players = o ? Players::Two : Players::One;
                actions.push_back({"menu players", [o, players](FormerGame& f, Game& g) {
                                       f.choosePlayers(o);
                                       g.choosePlayers(players);
                                   }});
                actions.push_back({"players button", [o, players](FormerGame& f, Game& g) {
                                       f.choosePlayers(o);
                                       g.clickPlayersButton(players);
                                   }});
            }
        }
        for (const auto& [name, action] : actions) {
            const bool draws = mayDraw(former, name == "New Game");
            for (Square first = 1; first <= (draws ? Board::squareCount : 1); ++first) {
                FormerGame nextFormer = former;
                Game nextGame = game;
                script(bench.formerRandom, first);
                script(bench.newRandom, first);
                bench.formerCues.played.clear();
                bench.newCues.played.clear();
                bench.formerRandom.reseeds = bench.newRandom.reseeds = 0;
                action(nextFormer, nextGame);
                ++steps;
                compare(nextFormer, nextGame, bench,
                        former.key() + " " + name + " draw " + std::to_string(first));
                explore(nextFormer, nextGame, bench);
            }
        }
    }

    static std::string keyOf(const Game& game)
    {
        const Match& match = game.match();
        std::ostringstream out;
        out << match.board() << static_cast<int>(match.status()) << markLetter(match.nextMark())
            << static_cast<int>(match.outcome()) << levelNumber(game.options().level)
            << markLetter(game.options().firstMover) << static_cast<int>(game.options().players)
            << markLetter(game.firstMoveButton().value_or(Mark::Free));
        return out.str();
    }

    static void compare(const FormerGame& f, const Game& g, const Pair& bench,
                        const std::string& step)
    {
        const Match& match = g.match();
        const Options& options = g.options();
        // The pointer over the cells: the arrow while idle, else the next click's mark.
        const Mark formerPointer = f.gameover == 1 ? Mark::Free : f.turn == 2 ? Mark::O : Mark::X;
        const Mark pointer = match.isPlaying() ? match.nextMark() : Mark::Free;
        ASSERT_EQ(match.board(), f.board) << step;
        ASSERT_EQ(match.isPlaying(), f.gameover == 0) << step;
        ASSERT_EQ(match.outcome(), f.result) << step;
        ASSERT_EQ(pointer, formerPointer) << step;
        ASSERT_EQ(bench.newCues.played, bench.formerCues.played) << step;
        ASSERT_EQ(options.firstMover == Mark::O, f.oFirstChecked) << step;
        ASSERT_EQ(options.players == Players::Two, f.twoPlayerChecked) << step;
        ASSERT_EQ(g.firstMoveButton(), f.firstMoveButton == 1 ? Mark::O : Mark::X) << step;
        ASSERT_EQ(bench.newRandom.script.size(), bench.formerRandom.script.size()) << step;
        ASSERT_EQ(bench.newRandom.reseeds, bench.formerRandom.reseeds) << step;
    }
};

TEST(FormerRules, EveryReachablePositionPlaysAsBefore)
{
    for (const Level level : allLevels) {
        Explorer explorer{level};
        for (const Players players : {Players::One, Players::Two}) {
            for (const Mark first : {Mark::X, Mark::O}) {
                Pair bench;
                bench.former = {&bench.formerRandom, &bench.formerCues, level};
                bench.former.oFirstChecked = first == Mark::O;
                bench.former.firstflag = first == Mark::O ? 2 : 0;
                bench.former.firstMoveButton = first == Mark::O ? 1 : 0;
                bench.former.twoPlayerChecked = players == Players::Two;
                bench.game.startUp({.level = level, .firstMover = first, .players = players});
                explorer.explore(bench.former, bench.game, bench);
                ASSERT_FALSE(testing::Test::HasFailure());
            }
        }
        RecordProperty("steps", explorer.steps);
        std::printf("level %d: %zu states, %d steps\n", levelNumber(level), explorer.seen.size(),
                    explorer.steps);
    }
}

} // namespace
} // namespace ttt::test
