// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/keymap.h"
#include "game/match.h"
#include "game/news.h"
#include "game/optioncontrols.h"
#include "game/options.h"
#include "results/cues.h"
#include "results/scoreboard.h"

#include <utility>
#include <vector>

namespace ttt {

class RandomSource;

// Everything the main window shows and every rule behind it: the match, the options
// with the menus and buttons that set them, the scoreboard and the cues. The window
// turns the player's actions into calls on this class and then draws what it reports;
// cues go out through the CueSink.
class Game
{
public:
    // What a key did: nothing, a game action (with what a digit did on the board), or
    // the request to end the program at once.
    struct KeyResult
    {
        enum class Kind { Ignored, Handled, QuitNow };
        Kind kind = Kind::Ignored;
        Match::Move move;
    };

    Game(RandomSource& random, CueSink& cues);

    // Start-up with the saved options: silent, idle, totals at 0.
    void startUp(const Options& options);
    void playGreeting() { playCue(Cue::Greeting); }
    // Plays the farewell; true when it should be given time to be heard.
    bool sayFarewell();

    // Play.
    void newGame();
    Match::Move clickSquare(Square square);
    KeyResult pressKey(char32_t key);

    // Match options from the menus and from the option buttons (see OptionControls).
    // The menus' choices are confirmed to the player; the buttons show their own.
    void choosePlayers(Players players)
    {
        apply(m_controls.choosePlayers(m_options, players), News::Setting::Players);
    }
    void chooseFirstMover(Mark mover)
    {
        apply(m_controls.chooseFirstMover(m_options, mover), News::Setting::FirstMover);
    }
    void chooseLevel(Level level)
    {
        apply(m_controls.chooseLevel(m_options, level), News::Setting::Level);
    }
    void clickPlayersButton(Players players)
    {
        apply(m_controls.clickPlayersButton(m_options, players));
    }
    void clickFirstMoveButton(Mark mover)
    {
        apply(m_controls.clickFirstMoveButton(m_options, mover));
    }
    void clickLevelButton(Level level) { apply(m_controls.clickLevelButton(m_options, level)); }

    // Switches the player can flip, and the picture set.
    void toggleScoring();
    void clearScore();
    void toggleSounds();
    void toggleOnTop();
    void acceptPictureSet(PictureSet set);
    void playAboutCue() { playCue(Cue::AboutOpens); }

    const Match& match() const { return m_match; }
    const Options& options() const { return m_options; }
    const Scoreboard& scoreboard() const { return m_scoreboard; }
    std::optional<Mark> firstMoveButton() const { return m_controls.firstMoveButton(); }
    // What the cell of `square` shows: its mark, or none after a new picture set has
    // been accepted, until the next New Game.
    Mark shownMark(Square square) const;
    // The lines of three that won the last game, while its marks are shown.
    std::vector<Line> shownWinningLines() const;
    // What the last action changed, for the player to be told; then nothing until
    // the next action.
    News takeNews() { return std::exchange(m_news, {}); }

private:
    void apply(OptionControls::Effect effect, std::optional<News::Setting> confirmed = {});
    void confirm(News::Setting setting);
    void finish(const Match::Move& move);
    void stopMatch();
    void playCue(Cue cue);

    RandomSource& m_random;
    CueSink& m_cues;
    Options m_options;
    OptionControls m_controls;
    Match m_match;
    Scoreboard m_scoreboard;
    bool m_marksHidden = false;
    News m_news;
};

} // namespace ttt
