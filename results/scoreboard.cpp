// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreboard.h"

namespace ttt {

void Scoreboard::count(Outcome outcome)
{
    switch (outcome) {
    case Outcome::XWins:
        ++m_xWins;
        break;
    case Outcome::OWins:
        ++m_oWins;
        break;
    case Outcome::Draw:
        ++m_draws;
        break;
    case Outcome::Open:
        break;
    }
}

} // namespace ttt
