// SPDX-License-Identifier: GPL-3.0-or-later
// The game against a second, independent model of its rules written with integer
// flags: the first mover kept both as a check mark and as an opening flag that New Game
// and the move cycle step 0 -> 2 -> 1 -> 0, and the computer's opening made by a click
// on square 1. Every position reachable by New Game and clicks, from both first movers
// and with one or two players, is played at every level with every first draw of the
// computer, and the option choices are tried on the early positions. After each step both
// must show the same board, cues, outcome, pointer and options.
#include "core/boardtext.h"
#include "core/randomsource.h"
#include "game/game.h"
#include "opponent/selector.h"
#include "results/tests/recordingcues.h"

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <unordered_set>

namespace ttt::test {
namespace {

struct FlagGame
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
            cue(Cue::Refusal);
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
        cue(line == Mark::X   ? (two ? Cue::XWins : Cue::HumanWins)
            : line == Mark::O ? (two ? Cue::OWins : Cue::ComputerWins)
                              : Cue::Draw);
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
        std::string text = boardText(board);
        for (int value : {movecount, turn, firstflag, gameover, int(oFirstChecked),
                          int(twoPlayerChecked), firstMoveButton, int(result)})
            text += static_cast<char>('0' + value);
        return text;
    }
};

// The draws of one step: `first`, then the squares 1 to 9 over and over.
class StepRandom : public RandomSource
{
public:
    void startStep(Square first)
    {
        m_first = first;
        draws = reseeds = 0;
    }
    void reseed() override { ++reseeds; }
    double next() override
    {
        const Square square = draws == 0 ? m_first : (draws - 1) % Board::squareCount + 1;
        ++draws;
        return (square - 0.5) / Board::squareCount;
    }

    int draws = 0;
    int reseeds = 0;

private:
    Square m_first = 1;
};

// Both forms, each with its own draws and cues.
struct Pair
{
    StepRandom modelRandom, gameRandom;
    RecordingCues modelCues, gameCues;
    FlagGame model;
    Game game{gameRandom, gameCues};
};

using Action = std::function<void(FlagGame&, Game&)>;

// The option choices, each for its first or second option: X or O, one or two players.
struct OptionStep
{
    const char* name;
    void (FlagGame::*model)(bool second);
    void (*game)(Game& game, bool second);
};

// clang-format off
const OptionStep optionSteps[] = {
    {"first-move menu", &FlagGame::chooseFirstMover, [](Game& g, bool o) { g.chooseFirstMover(o ? Mark::O : Mark::X); }},
    {"first-move button", &FlagGame::clickFirstMoveButton, [](Game& g, bool o) { g.clickFirstMoveButton(o ? Mark::O : Mark::X); }},
    {"players menu", &FlagGame::choosePlayers, [](Game& g, bool two) { g.choosePlayers(two ? Players::Two : Players::One); }},
    {"players button", &FlagGame::choosePlayers, [](Game& g, bool two) { g.clickPlayersButton(two ? Players::Two : Players::One); }},
};
// clang-format on

struct Explorer
{
    Level level;
    std::unordered_set<std::string> seen{};
    int steps = 0;

    // Whether a step may draw squares for the computer: then every first draw is tried.
    static bool mayDraw(const FlagGame& f, bool isNewGame)
    {
        if (isNewGame)
            return !f.twoPlayerChecked && f.oFirstChecked;
        return f.gameover == 0 && f.turn == 0;
    }

    void explore(const FlagGame& model, const Game& game, Pair& bench)
    {
        if (testing::Test::HasFailure() || !seen.insert(model.key() + keyOf(game)).second)
            return;
        const bool early = model.board.markCount() <= 2;
        std::vector<std::pair<std::string, Action>> actions;
        actions.push_back({"New Game", [](FlagGame& f, Game& g) {
                               f.newGame();
                               g.newGame();
                           }});
        // While no game is played every click is ignored alike: one stands for all.
        for (Square square : Board::squares) {
            if (model.gameover == 1 && square > 1)
                break;
            actions.push_back({"click " + std::to_string(square), [square](FlagGame& f, Game& g) {
                                   f.click(square);
                                   g.clickSquare(square);
                               }});
        }
        for (const OptionStep& step : early ? optionSteps : std::span<const OptionStep>()) {
            for (bool second : {false, true}) {
                actions.push_back({step.name, [&step, second](FlagGame& f, Game& g) {
                                       (f.*step.model)(second);
                                       step.game(g, second);
                                   }});
            }
        }
        for (const auto& [name, action] : actions) {
            const bool draws = mayDraw(model, name == "New Game");
            for (Square first = 1; first <= (draws ? Board::squareCount : 1); ++first) {
                FlagGame nextFormer = model;
                Game nextGame = game;
                bench.modelRandom.startStep(first);
                bench.gameRandom.startStep(first);
                bench.modelCues.played.clear();
                bench.gameCues.played.clear();
                action(nextFormer, nextGame);
                ++steps;
                compare(nextFormer, nextGame, bench, model, name, first);
                explore(nextFormer, nextGame, bench);
            }
        }
    }

    static std::string keyOf(const Game& game)
    {
        const Match& match = game.match();
        const Options& options = game.options();
        std::string text = boardText(match.board());
        for (int value : {int(match.isPlaying()), int(match.nextMark()), int(match.outcome()),
                          int(options.level), int(options.firstMover), int(options.players),
                          int(game.firstMoveButton().value_or(Mark::Free))})
            text += static_cast<char>('0' + value);
        return text;
    }

    // Checks the step from `before`; the messages are built only when a check fails.
    static void compare(const FlagGame& f, const Game& g, const Pair& bench, const FlagGame& before,
                        const std::string& name, Square first)
    {
        const auto step = [&] {
            return before.key() + " " + name + " draw " + std::to_string(first);
        };
        const Match& match = g.match();
        const Options& options = g.options();
        // The pointer over the cells: the arrow while idle, else the next click's mark.
        const Mark formerPointer = f.gameover == 1 ? Mark::Free : f.turn == 2 ? Mark::O : Mark::X;
        const Mark pointer = match.isPlaying() ? match.nextMark() : Mark::Free;
        ASSERT_EQ(match.board(), f.board) << step();
        ASSERT_EQ(match.isPlaying(), f.gameover == 0) << step();
        ASSERT_EQ(match.outcome(), f.result) << step();
        ASSERT_EQ(pointer, formerPointer) << step();
        ASSERT_EQ(bench.gameCues.played, bench.modelCues.played) << step();
        ASSERT_EQ(options.firstMover == Mark::O, f.oFirstChecked) << step();
        ASSERT_EQ(options.players == Players::Two, f.twoPlayerChecked) << step();
        ASSERT_EQ(g.firstMoveButton(), f.firstMoveButton == 1 ? Mark::O : Mark::X) << step();
        ASSERT_EQ(bench.gameRandom.draws, bench.modelRandom.draws) << step();
        ASSERT_EQ(bench.gameRandom.reseeds, bench.modelRandom.reseeds) << step();
    }
};

TEST(FlagModel, EveryReachablePositionPlaysTheSame)
{
    for (const Level level : allLevels) {
        Explorer explorer{level};
        for (const Players players : {Players::One, Players::Two}) {
            for (const Mark first : {Mark::X, Mark::O}) {
                Pair bench;
                bench.model = {&bench.modelRandom, &bench.modelCues, level};
                bench.model.oFirstChecked = first == Mark::O;
                bench.model.firstflag = first == Mark::O ? 2 : 0;
                bench.model.firstMoveButton = first == Mark::O ? 1 : 0;
                bench.model.twoPlayerChecked = players == Players::Two;
                bench.game.startUp({.level = level, .firstMover = first, .players = players});
                explorer.explore(bench.model, bench.game, bench);
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
