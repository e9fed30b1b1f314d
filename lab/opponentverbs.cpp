// SPDX-License-Identifier: GPL-3.0-or-later
// The lab's opponent verbs: what each level's rules choose, where the computer's
// reply lands, and how strong each level plays over whole games.
#include "boardarg.h"
#include "verbs.h"

#include "opponent/gameodds.h"
#include "opponent/replydistribution.h"
#include "opponent/selector.h"

#include <cstdio>
#include <iostream>
#include <optional>

namespace ttt::lab {

namespace {

struct LevelAndBoard
{
    Level level = Level::Easy;
    Board board;
};

int badArguments(std::string_view verb, const std::string& fault)
{
    std::cerr << "tictactoe-lab " << verb << ": " << fault << '\n';
    return 2;
}

std::optional<LevelAndBoard> readLevelAndBoard(std::string_view verb, const Args& args)
{
    std::string fault;
    if (args.size() != 2) {
        badArguments(verb,
                     "expected LEVEL BOARD, got " + std::to_string(args.size()) + " argument(s)");
        return std::nullopt;
    }
    const std::optional<Level> level = parseLevel(args[0], fault);
    const std::optional<Board> board = level ? parseBoard(args[1], fault) : std::nullopt;
    if (!board) {
        badArguments(verb, fault);
        return std::nullopt;
    }
    return LevelAndBoard{*level, *board};
}

// Why the computer would never be asked to reply on this board, or empty if it would.
std::string replyFault(const Board& board)
{
    if (winner(board) != Mark::Free)
        return "BOARD already has three in a line; the game is over and the computer does not "
               "reply";
    if (board.isFull())
        return "BOARD has no free square; the computer cannot reply";
    return {};
}

void printOdds(Level level, Opener opener, HumanPlay play)
{
    const GameOdds odds = gameOdds(level, opener, play);
    std::printf("level=%d first=%c opponent=%s win=%.6f draw=%.6f loss=%.6f\n", levelNumber(level),
                opener == Opener::Human ? 'X' : 'O', play == HumanPlay::Best ? "best" : "random",
                odds.win, odds.draw, odds.loss);
}

} // namespace

int runChoose(const Args& args)
{
    const std::optional<LevelAndBoard> input = readLevelAndBoard("choose", args);
    if (!input)
        return 2;
    for (Square draw : Board::squares) {
        std::cout << selectMove(input->level, input->board, draw)
                  << (draw < Board::squareCount ? ' ' : '\n');
    }
    return 0;
}

int runReply(const Args& args)
{
    const std::optional<LevelAndBoard> input = readLevelAndBoard("reply", args);
    if (!input)
        return 2;
    if (const std::string fault = replyFault(input->board); !fault.empty())
        return badArguments("reply", fault);
    const ReplyDistribution reply(input->level, input->board);
    for (Square square : Board::squares)
        std::cout << square << ' ' << reply.decimal(square, 9) << '\n';
    return 0;
}

int runStrength(const Args& args)
{
    if (!args.empty())
        return badArguments("strength", "takes no arguments, got " + std::to_string(args.size()));
    for (const Level level : allLevels) {
        for (const Opener opener : {Opener::Human, Opener::Computer}) {
            for (const HumanPlay play : {HumanPlay::Best, HumanPlay::Random})
                printOdds(level, opener, play);
        }
    }
    return 0;
}

} // namespace ttt::lab
