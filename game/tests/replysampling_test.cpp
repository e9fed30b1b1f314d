// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's replies in the game's own move cycle, sampled many times on a few
// boards at every level, against the exact chances `tictactoe-lab reply` prints.
#include "core/boardtext.h"
#include "core/randomsource.h"
#include "game/match.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <sstream>

namespace ttt {
namespace {

// A fixed stream of draws, so that the sample is the same on every run.
class SeededRandom : public RandomSource
{
public:
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937_64 m_engine{20240613};
};

std::array<double, Board::squareCount> labReply(Level level, const std::string& board)
{
    const std::string command =
        std::string(TTT_LAB_PATH) + " reply " + std::to_string(levelNumber(level)) + " " + board;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
        text += buffer;
    std::array<double, Board::squareCount> chances{};
    std::istringstream lines(text);
    Square square = 0;
    double chance = 0;
    while (lines >> square >> chance) {
        if (Board::isSquare(square))
            chances[square - 1] = chance;
    }
    return chances;
}

TEST(ReplySampling, TheMoveCycleDrawsAsTheLabReckons)
{
    constexpr int replies = 20000;
    // Chi-square bound for at most 8 degrees of freedom, far in the tail: a sample this
    // size exceeds it only when the chances differ.
    constexpr double bound = 40;
    SeededRandom random;
    // Boards with the computer to move: its opening, a centre and a corner answer, and
    // the board on which Hard and Unbeatable name a taken square.
    for (const char* text : {".........", "....X....", "X...O...X", "..X....XO"}) {
        for (const Level level : allLevels) {
            SCOPED_TRACE(std::string(text) + " level " + std::to_string(levelNumber(level)));
            const std::array<double, Board::squareCount> exact = labReply(level, text);
            std::array<int, Board::squareCount> seen{};
            for (int i = 0; i < replies; ++i) {
                Match match(*boardFromText(text), Mark::O);
                match.computerTurn({.level = level}, random);
                for (Square square : Board::squares)
                    seen[square - 1] += match.board().at(square) != boardFromText(text)->at(square);
            }
            double total = 0;
            double chiSquare = 0;
            for (Square square : Board::squares) {
                const double expected = exact[square - 1] * replies;
                total += exact[square - 1];
                if (expected == 0)
                    EXPECT_EQ(seen[square - 1], 0) << "square " << square;
                else
                    chiSquare +=
                        (seen[square - 1] - expected) * (seen[square - 1] - expected) / expected;
            }
            EXPECT_NEAR(total, 1.0, 1e-6) << "the lab's answer";
            EXPECT_LT(chiSquare, bound);
        }
    }
}

} // namespace
} // namespace ttt
