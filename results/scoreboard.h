#pragma once

#include "outcome.h"

#include <string>

namespace ttt {

// The running totals of X wins, O wins and drawn games, with the switch that
// turns scoring off and on. Totals are never saved; every run starts at 0.
class Scoreboard
{
public:
    bool scoringOn() const { return m_scoringOn; }
    int xWins() const { return m_x; }
    int oWins() const { return m_o; }
    int draws() const { return m_nw; }

    // Counts a finished game while scoring is on; does nothing while it is off.
    void count(Outcome outcome);
    // Switching off drops the totals; switching on always starts from zero.
    void flip();
    void clear();

    // What the three total labels show: " 7", or " -" while scoring is off.
    std::string xText() const { return displayForm(m_x); }
    std::string oText() const { return displayForm(m_o); }
    std::string drawText() const { return displayForm(m_nw); }

    // The caption of the menu item that flips the switch: it names the action it offers.
    std::string switchCaption() const;

private:
    std::string displayForm(int total) const;

    bool m_scoringOn = true;
    int m_x = 0;
    int m_o = 0;
    int m_nw = 0;
};

} // namespace ttt
