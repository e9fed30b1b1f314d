// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outcome.h"

namespace ttt {

// The running totals of X wins, O wins and drawn games. Totals are never saved;
// every run starts at 0.
class Scoreboard
{
public:
    int xWins() const { return m_xWins; }
    int oWins() const { return m_oWins; }
    int draws() const { return m_draws; }

    // Counts a finished game; an open one counts nothing.
    void count(Outcome outcome);
    void clear() { *this = Scoreboard(); }

private:
    int m_xWins = 0;
    int m_oWins = 0;
    int m_draws = 0;
};

} // namespace ttt
