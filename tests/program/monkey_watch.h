// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "monkey_storm.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace ttt {

class Artwork;
class Game;
class MainWindow;

namespace test {

// Watches the main window through a monkey storm and tells the first promise the
// game breaks. It reads what the window shows (pictures, labels, check marks,
// option buttons) and compares it with the game's state and with its own count of
// finished games and score.
class MonkeyWatch
{
public:
    explicit MonkeyWatch(const Artwork& artwork) : m_artwork(artwork) {}

    // A window has just started; the watch takes its scoreboard as the starting point.
    void attach(MainWindow& window, const Game& game);
    // Called just before each event.
    void before();
    // Called after each event with the cues it played; returns the broken promise,
    // or an empty string.
    QString after(const StormEvent& event, const std::vector<std::string>& cues);
    // The chooser's OK blanks the cells until the next New Game.
    void notePictureSetAccepted() { m_blanked = true; }

    // The line a normal exit must write, read from the menus before the event.
    QString expectedExitLine() const { return m_exitLine; }
    // The options a restart must bring back, read from the menus before the event.
    QString expectedOptions() const { return m_options; }
    QString optionsShown() const;

private:
    struct Score
    {
        bool on = true;
        int x = 0;
        int o = 0;
        int nw = 0;
    };

    QString exitLineShown() const;
    void countScore(const StormEvent& event);
    QString checkBoard() const;
    QString checkCells() const;
    QString checkOutcome() const;
    QString checkScore() const;
    QString checkMenusAndButtons(const StormEvent& event) const;
    QString checkEnabled() const;
    QString checkIgnored(const StormEvent& event) const;
    QString checkCues(const std::vector<std::string>& cues) const;

    const Artwork& m_artwork;
    MainWindow* m_window = nullptr;
    const Game* m_game = nullptr;
    Score m_score;
    bool m_blanked = false;

    // Taken before the event.
    Board m_board;
    bool m_playing = false;
    bool m_soundsOn = false;
    bool m_finished = false;
    std::array<bool, 2> m_firstMoveButtons{};
    QString m_exitLine;
    QString m_options;
    QString m_everything;
};

} // namespace test
} // namespace ttt
