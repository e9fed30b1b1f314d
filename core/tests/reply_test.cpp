// SPDX-License-Identifier: GPL-3.0-or-later
// The reply policy, with stand-in rules whose answers the tests choose.
#include "core/boardtext.h"
#include "core/reply.h"

#include <gtest/gtest.h>

#include <vector>

namespace ttt {
namespace {

const Board centreTaken = *boardFromText("....X....");

// Draws the given squares in turn, counting how many were drawn.
struct Draws
{
    std::vector<Square> squares;
    std::size_t used = 0;
    Square operator()() { return squares.at(used++); }
};

TEST(Reply, RulesDecideOnlyTheFirstNineDraws)
{
    int consulted = 0;
    const auto alwaysTheCentre = [&consulted](Square) {
        ++consulted;
        return 5;
    };
    Draws draws{{1, 2, 3, 4, 5, 6, 7, 8, 9, 5, 5, 8}};
    EXPECT_EQ(replySquare(centreTaken, draws, alwaysTheCentre), 8);
    EXPECT_EQ(consulted, ruleDraws);
    EXPECT_EQ(draws.used, 12u);
}

TEST(Reply, EachDrawSettlesOrMisses)
{
    const auto rules = [](Square draw) {
        return draw == 1 ? 0 : draw == 2 ? 5 : draw == 3 ? 7 : draw;
    };
    struct Case
    {
        Square draw;
        int missed;
        std::optional<Square> settles;
    };
    const Case cases[] = {
        {1, 0, std::nullopt}, // the rules name no square
        {2, 0, std::nullopt}, // the rules name the taken centre
        {3, 0, 7},            // the rules replace the draw
        {4, 0, 4},            // the rules keep the draw
        {5, 0, std::nullopt}, // a taken draw kept
        {3, ruleDraws - 1, 7},
        {3, ruleDraws, 3}, // the rules are no longer asked
        {5, ruleDraws, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(settleDraw(centreTaken, c.draw, c.missed, rules), c.settles)
            << "draw " << c.draw << " after " << c.missed << " misses";
}

} // namespace
} // namespace ttt
