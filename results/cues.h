// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace ttt {

class RandomSource;

// The game's short sounds, one for each kind of moment.
enum class Cue {
    Greeting,        // the window has opened
    Farewell,        // the window is closing
    HumanWins,       // the human beat the computer
    XWins,           // X won a two-player game
    ComputerWins,    // the computer won
    OWins,           // O won a two-player game
    Draw,            // a drawn game
    Refusal,         // a taken square was clicked
    LevelChosen,     // a difficulty level was chosen
    ScoringSwitched, // scoring switched off or on
    TotalsCleared,   // the totals were cleared
    AboutOpens,      // the About window is opening
};

// The sound files of a cue: one, or three to choose from at random.
std::span<const std::string_view> cueFiles(Cue cue);

// Picks the file a cue plays now: the random source is reseeded and drawn only
// for a cue with a choice of files.
std::string_view chooseCueFile(Cue cue, RandomSource& random);

// Where cues go to be heard. The game hands over a file name and never waits.
class CueSink
{
public:
    virtual ~CueSink() = default;
    virtual void play(std::string_view file) = 0;
};

} // namespace ttt
