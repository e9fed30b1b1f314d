// SPDX-License-Identifier: GPL-3.0-or-later
// The menus and the option buttons, one choice a row, from the default options (one
// player, X first, Hard) with every button showing them.
#include "game/optioncontrols.h"

#include <gtest/gtest.h>

#include <functional>

namespace ttt {
namespace {

using Effect = OptionControls::Effect;
using Choice = std::function<Effect(OptionControls&, Options&)>;

struct Row
{
    const char* name;
    Choice choice;
    Players players;
    Mark firstMover;
    Level level;
    Mark firstMoveButton;
    Effect effect;
};

const Effect none{};
const Effect stops{.stopsGame = true};

// clang-format off
const Row rows[] = {
    {"menu: players in force", [](auto& c, auto& o) { return c.choosePlayers(o, Players::One); }, Players::One, Mark::X, Level::Hard, Mark::X, none},
    {"menu: two players", [](auto& c, auto& o) { return c.choosePlayers(o, Players::Two); }, Players::Two, Mark::X, Level::Hard, Mark::X, stops},
    {"button: players in force", [](auto& c, auto& o) { return c.clickPlayersButton(o, Players::One); }, Players::One, Mark::X, Level::Hard, Mark::X, none},
    {"button: two players", [](auto& c, auto& o) { return c.clickPlayersButton(o, Players::Two); }, Players::Two, Mark::X, Level::Hard, Mark::X, stops},
    {"menu: first mover in force", [](auto& c, auto& o) { return c.chooseFirstMover(o, Mark::X); }, Players::One, Mark::X, Level::Hard, Mark::X, none},
    {"menu: O first leaves the buttons", [](auto& c, auto& o) { return c.chooseFirstMover(o, Mark::O); }, Players::One, Mark::O, Level::Hard, Mark::X, stops},
    {"button: first mover in force", [](auto& c, auto& o) { return c.clickFirstMoveButton(o, Mark::X); }, Players::One, Mark::X, Level::Hard, Mark::X, stops},
    {"button: O first", [](auto& c, auto& o) { return c.clickFirstMoveButton(o, Mark::O); }, Players::One, Mark::O, Level::Hard, Mark::O, stops},
    {"menu: level in force", [](auto& c, auto& o) { return c.chooseLevel(o, Level::Hard); }, Players::One, Mark::X, Level::Hard, Mark::X, none},
    {"menu: Easy, announced twice", [](auto& c, auto& o) { return c.chooseLevel(o, Level::Easy); }, Players::One, Mark::X, Level::Easy, Mark::X, {.levelCues = 2}},
    {"button: level in force", [](auto& c, auto& o) { return c.clickLevelButton(o, Level::Hard); }, Players::One, Mark::X, Level::Hard, Mark::X, {.levelCues = 1}},
    {"button: Unbeatable", [](auto& c, auto& o) { return c.clickLevelButton(o, Level::Unbeatable); }, Players::One, Mark::X, Level::Unbeatable, Mark::X, {.levelCues = 1}},
};
// clang-format on

TEST(OptionControls, EachChoiceSetsItsOptionAndAsksForItsEffect)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Options options;
        OptionControls controls;
        controls.showOptions(options);
        EXPECT_EQ(row.choice(controls, options), row.effect);
        EXPECT_EQ(options.players, row.players);
        EXPECT_EQ(options.firstMover, row.firstMover);
        EXPECT_EQ(options.level, row.level);
        EXPECT_EQ(controls.firstMoveButton(), row.firstMoveButton);
    }
}

// After the menu has moved the first move to O, the X button still shows X, and a
// click on it puts X first again.
TEST(OptionControls, FirstMoveButtonsCatchUpWhenClicked)
{
    Options options;
    OptionControls controls;
    EXPECT_EQ(controls.firstMoveButton(), std::nullopt);
    controls.showOptions(options);
    controls.chooseFirstMover(options, Mark::O);
    EXPECT_EQ(controls.clickFirstMoveButton(options, Mark::X), stops);
    EXPECT_EQ(options.firstMover, Mark::X);
    EXPECT_EQ(controls.chooseFirstMover(options, Mark::X), none);
}

} // namespace
} // namespace ttt
