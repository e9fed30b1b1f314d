// SPDX-License-Identifier: GPL-3.0-or-later
#include "optioncontrols.h"

namespace ttt {

using Effect = OptionControls::Effect;

Effect OptionControls::choosePlayers(Options& options, Players players) const
{
    // The menu selects the matching button, whose handler then finds nothing to do.
    return clickPlayersButton(options, players);
}

Effect OptionControls::chooseFirstMover(Options& options, Mark mover) const
{
    if (options.firstMover == mover)
        return {};
    options.firstMover = mover;
    return {.stopsGame = true};
}

Effect OptionControls::chooseLevel(Options& options, Level level) const
{
    if (options.level == level)
        return {};
    Effect effect = clickLevelButton(options, level);
    ++effect.levelCues; // the menu's own cue comes first
    return effect;
}

Effect OptionControls::clickPlayersButton(Options& options, Players players) const
{
    if (options.players == players)
        return {};
    options.players = players;
    return {.stopsGame = true};
}

Effect OptionControls::clickFirstMoveButton(Options& options, Mark mover)
{
    m_firstMoveButton = mover;
    options.firstMover = mover;
    return {.stopsGame = true};
}

Effect OptionControls::clickLevelButton(Options& options, Level level) const
{
    options.level = level;
    return {.levelCues = 1};
}

} // namespace ttt
