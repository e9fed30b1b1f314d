// SPDX-License-Identifier: GPL-3.0-or-later
// The behaviours the three levels are known for, one row each: the board, the
// draws tried, and the square every one of those draws must give.
#include "boardmarks.h"
#include "opponent/selector.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace ttt {
namespace {

using test::marks;

using enum Level;
constexpr Square theDraw = 0; // expected answer: the draw itself stands
const std::vector<Square> allDraws(Board::squares.begin(), Board::squares.end());

struct EdgeCase
{
    std::string name;
    Level level;
    Board board;
    std::vector<Square> draws;
    Square expected;
};

const std::vector<EdgeCase> edgeCases = {
    // The line rules shared by every level.
    {"medium leaves the draw on an empty board", Medium, marks({}, {}), allDraws, theDraw},
    {"medium blocks 7-8 and ignores its own 1-2", Medium, marks({7, 8, 4}, {1, 2}), {6}, 9},
    {"hard wins with 1-2 before blocking", Hard, marks({7, 8, 4}, {1, 2}), {6}, 3},
    {"unbeatable wins with 1-2 before blocking", Unbeatable, marks({7, 8, 4}, {1, 2}), {6}, 3},
    {"B3 comes before B16", Medium, marks({1, 2, 4}, {5, 9}), {6}, 3},
    {"B22 comes before B24", Medium, marks({3, 5, 9}, {2, 6}), {4}, 1},
    {"W23 comes before W24 (hard)", Hard, marks({2, 6, 8}, {3, 5, 9}), {4}, 7},
    {"W23 comes before W24 (unbeatable)", Unbeatable, marks({2, 6, 8}, {3, 5, 9}), {4}, 7},
    {"a full board keeps the draw", Medium, marks({1, 2, 6, 7, 9}, {3, 4, 5, 8}), allDraws,
     theDraw},

    // Hard.
    {"hard opening: these draws go to the centre", Hard, marks({}, {}), {1, 2, 3, 5, 6, 7}, 5},
    {"hard opening: these draws stand", Hard, marks({}, {}), {4, 8, 9}, theDraw},
    {"hard, human on 5: these draws stand", Hard, marks({5}, {}), {4, 8, 9}, theDraw},
    {"hard, human on 5: these draws name the taken centre",
     Hard,
     marks({5}, {}),
     {1, 2, 3, 5, 6, 7},
     5},
    {"rule 49 takes draw 6 without the human on 8", Hard, marks({1}, {}), {6}, 5},
    {"rule 49: human on 8, draw 4", Hard, marks({8}, {}), {4}, 5},
    {"rule 50: human on 2, draw 4", Hard, marks({2}, {}), {4}, 5},
    {"rule 51: human on 4, draw 8", Hard, marks({4}, {}), {8}, 5},
    {"rule 53: human on 8 and 3, draw 9", Hard, marks({8, 3}, {5}), {9}, 9},
    {"rule 49 comes before rule 53", Hard, marks({8, 3}, {5}), {4}, 5},
    {"edge draws to the centre beat the side corner", Hard, marks({8, 3}, {9, 2}), {2, 4, 6}, 5},
    {"other draws give the taken side corner", Hard, marks({8, 3}, {9, 2}), {1, 3, 5, 7, 8, 9}, 9},
    {"hard, human on 9: draw 9 stands though taken", Hard, marks({9}, {}), {9}, theDraw},
    {"rule 62: human on 9, draw 7", Hard, marks({9}, {}), {7}, 5},
    {"rule 24 comes before the side-corner rules (hard)", Hard, marks({8, 3}, {5, 9}), allDraws, 1},

    // Unbeatable.
    {"unbeatable opens in the centre", Unbeatable, marks({}, {}), allDraws, 5},
    {"unbeatable answers a corner opening with the centre", Unbeatable, marks({1}, {}), allDraws,
     5},
    {"unbeatable answers an edge opening with the centre", Unbeatable, marks({6}, {}), allDraws, 5},
    {"unbeatable answers a centre opening with 9", Unbeatable, marks({5}, {}), allDraws, 9},
    {"no rule for O on 5 and X on 1", Unbeatable, marks({1}, {5}), allDraws, theDraw},
    {"rule 51: O on 9, X on 5 and 1", Unbeatable, marks({5, 1}, {9}), allDraws, 3},
    {"B24 comes before the centre group", Unbeatable, marks({5, 3}, {9}), allDraws, 7},
    {"rule 55 stops and keeps the draw", Unbeatable, marks({5, 6}, {9, 4}), {1, 3, 8}, theDraw},
    // Only a board no game reaches tells the stop apart from no rule at all.
    {"rule 55 stops before rule 56", Unbeatable, marks({3, 5, 7, 8}, {1, 2, 9}), allDraws, theDraw},
    {"rule 56: human on 7 and 3", Unbeatable, marks({7, 3}, {5}), allDraws, 6},
    {"rule 57: human on 1 and 9", Unbeatable, marks({1, 9}, {5}), allDraws, 4},
    {"rule 52: O on 2 and 7, X on 8, 3 and 5", Unbeatable, marks({8, 3, 5}, {2, 7}), allDraws, 9},
    {"rule 58 names the taken 9 on every draw", Unbeatable, marks({8, 3}, {9}), allDraws, 9},
    {"rule 24 comes before the side-corner rules (unbeatable)", Unbeatable, marks({8, 3}, {5, 9}),
     allDraws, 1},
};

void PrintTo(const EdgeCase& edge, std::ostream* out)
{
    *out << edge.name;
}

class SelectorEdgeCase : public testing::TestWithParam<EdgeCase>
{
};

TEST_P(SelectorEdgeCase, GivesTheExpectedSquare)
{
    const EdgeCase& edge = GetParam();
    for (Square draw : edge.draws) {
        const Square expected = edge.expected == theDraw ? draw : edge.expected;
        EXPECT_EQ(selectMove(edge.level, edge.board, draw), expected) << "draw " << draw;
    }
}

INSTANTIATE_TEST_SUITE_P(Opponent, SelectorEdgeCase, testing::ValuesIn(edgeCases),
                         [](const testing::TestParamInfo<EdgeCase>& info) {
                             std::string name;
                             for (char c : info.param.name)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

} // namespace
} // namespace ttt
