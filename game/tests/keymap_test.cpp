// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/keymap.h"

#include <gtest/gtest.h>

namespace ttt {
namespace {

TEST(KeyMap, EveryKeyDoesWhatTheTableSays)
{
    struct Case
    {
        char32_t key;
        KeyCommand::Kind kind;
        int square;
    };
    const Case cases[] = {
        {U'P', KeyCommand::NewGame, 0},    {U'p', KeyCommand::NewGame, 0},
        {U' ', KeyCommand::NewGame, 0},    {U'0', KeyCommand::NewGame, 0},
        {U'T', KeyCommand::NewGame, 0},    {U't', KeyCommand::NewGame, 0},
        {U'S', KeyCommand::QuitNow, 0},    {U's', KeyCommand::QuitNow, 0},
        {U'1', KeyCommand::PlaySquare, 1}, {U'5', KeyCommand::PlaySquare, 5},
        {U'7', KeyCommand::PlaySquare, 7}, {U'9', KeyCommand::PlaySquare, 9},
        {U'x', KeyCommand::Nothing, 0},    {U'q', KeyCommand::Nothing, 0},
        {U'\r', KeyCommand::Nothing, 0},   {U'/', KeyCommand::Nothing, 0},
        {U':', KeyCommand::Nothing, 0},    {U'\u00e9', KeyCommand::Nothing, 0},
    };
    for (const Case& c : cases) {
        const KeyCommand command = keyCommand(c.key);
        EXPECT_EQ(command.kind, c.kind) << "key " << static_cast<unsigned>(c.key);
        if (c.kind == KeyCommand::PlaySquare) {
            EXPECT_EQ(command.square, c.square) << "key " << static_cast<unsigned>(c.key);
        }
    }
}

TEST(KeyMap, ArrowsWalkTheBoardAndStopAtItsEdges)
{
    struct Case
    {
        int from;
        Step step;
        int to;
    };
    const Case cases[] = {
        {5, Step::Up, 8},   {5, Step::Down, 2},  {5, Step::Left, 4},  {5, Step::Right, 6},
        {7, Step::Up, 7},   {7, Step::Left, 7},  {7, Step::Right, 8}, {7, Step::Down, 4},
        {3, Step::Down, 3}, {3, Step::Right, 3}, {3, Step::Left, 2},  {3, Step::Up, 6},
        {4, Step::Left, 4}, {6, Step::Right, 6}, {8, Step::Up, 8},    {2, Step::Down, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(squareBeside(c.from, c.step), c.to) << "from " << c.from;
}

} // namespace
} // namespace ttt
