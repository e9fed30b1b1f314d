// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/options.h"

#include <optional>

namespace ttt {

// The match options as the menus and the option buttons on the window set them. The
// menus show the options in force, and so do the players and level buttons; the
// first-move buttons are the exception: choosing who moves first from the menu leaves
// them as they were, so they may show the other mark. Besides that, the game answers
// these controls a little differently:
// - from a menu, the option already in force does nothing;
// - a players button acts only when it changes the option;
// - a first-move button acts on every click, so it stops the game even when its
//   mark already moves first;
// - a level is announced with the level cue: a level button on every click, the menu
//   only when the level changes, and then twice, because selecting the level's button
//   from code runs the button's own handler as well.
class OptionControls
{
public:
    // What a choice asks of the game besides the new option.
    struct Effect
    {
        bool stopsGame = false;
        int levelCues = 0;
        friend bool operator==(const Effect&, const Effect&) = default;
    };

    // The options in force at start-up; every button shows them.
    void showOptions(const Options& options) { m_firstMoveButton = options.firstMover; }

    Effect choosePlayers(Options& options, Players players) const;
    Effect chooseFirstMover(Options& options, Mark mover) const;
    Effect chooseLevel(Options& options, Level level) const;

    Effect clickPlayersButton(Options& options, Players players) const;
    Effect clickFirstMoveButton(Options& options, Mark mover);
    Effect clickLevelButton(Options& options, Level level) const;

    // The mark of the selected first-move button, none before start-up.
    std::optional<Mark> firstMoveButton() const { return m_firstMoveButton; }

private:
    std::optional<Mark> m_firstMoveButton;
};

} // namespace ttt
