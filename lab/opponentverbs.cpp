// The lab's opponent verbs: what each level's rules choose, where the computer's
// reply lands, and how strong each level plays over whole games.
#include "boardarg.h"
#include "verbs.h"

#include "opponent/boardlines.h"
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
    int level = 1;
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
    const std::optional<int> level = parseLevel(args[0], fault);
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
    if (hasLine(board, X) || hasLine(board, O))
        return "BOARD already has three in a line; the game is over and the computer does not "
               "reply";
    if (board.markCount() == Board::Squares)
        return "BOARD has no free square; the computer cannot reply";
    return {};
}

void printOdds(int level, Opener opener, HumanPlay play)
{
    const GameOdds odds = gameOdds(level, opener, play);
    std::printf("level=%d first=%c opponent=%s win=%.6f draw=%.6f loss=%.6f\n", level,
                opener == Opener::Human ? 'X' : 'O', play == HumanPlay::Best ? "best" : "random",
                odds.win, odds.draw, odds.loss);
}

} // namespace

int runChoose(const Args& args)
{
    const std::optional<LevelAndBoard> input = readLevelAndBoard("choose", args);
    if (!input)
        return 2;
    const int movecount = input->board.markCount();
    for (int draw = 1; draw <= Board::Squares; ++draw) {
        std::cout << selectMove(input->level, input->board, draw, movecount)
                  << (draw < Board::Squares ? ' ' : '\n');
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
    for (int square = 1; square <= Board::Squares; ++square)
        std::cout << square << ' ' << reply.decimal(square, 9) << '\n';
    return 0;
}

int runStrength(const Args& args)
{
    if (!args.empty())
        return badArguments("strength", "takes no arguments, got " + std::to_string(args.size()));
    for (int level = 1; level <= 4; ++level) {
        for (const Opener opener : {Opener::Human, Opener::Computer}) {
            for (const HumanPlay play : {HumanPlay::Best, HumanPlay::Random})
                printOdds(level, opener, play);
        }
    }
    return 0;
}

} // namespace ttt::lab
