// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "results/outcome.h"
#include "results/scoreboard.h"

#include <optional>
#include <vector>

namespace ttt {

// What a player who cannot see the board is told after an action: only what the
// action changed, each thing once, short enough to be heard between two moves. The
// player's own mark is not among it in a game against the computer: they know where
// they played. Two players share the keyboard, so each hears where the other went.
struct News
{
    // An option the player changed from the menus, confirmed in a word or two. The
    // option buttons say their own state, so their clicks confirm nothing.
    enum class Setting { Level, Players, FirstMover, Scoring, ScoreCleared, Sounds, OnTop };

    bool newGame = false;
    // A running game stopped by an option or a new picture set.
    bool stopped = false;
    // A square asked for while no game runs.
    bool noGame = false;
    std::optional<Setting> changed;
    std::optional<Square> refused;
    // The computer's new mark: its reply, or its opening of a new game.
    std::optional<Square> computerMove;
    // The square a player just took in a two-player game, and the mark placed there.
    std::optional<Square> playerMove;
    Mark playerMark = Mark::Free;
    // Whose move it is now, told on New Game and after each move of a two-player game.
    std::optional<Mark> toMove;
    // How the game just ended, with the lines that won it, and the totals it made
    // while scoring is on.
    Outcome outcome = Outcome::Open;
    std::vector<Line> winningLines;
    std::optional<Scoreboard> score;

    bool isEmpty() const
    {
        return !newGame && !stopped && !noGame && !changed && !refused && !computerMove &&
               !playerMove && !toMove && outcome == Outcome::Open;
    }
};

} // namespace ttt
