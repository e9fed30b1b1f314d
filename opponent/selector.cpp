// SPDX-License-Identifier: GPL-3.0-or-later
#include "selector.h"

#include "hardrules.h"
#include "mediumrules.h"
#include "unbeatablerules.h"

namespace ttt {

Square selectMove(Level level, const Board& board, Square draw)
{
    const int movecount = board.markCount();
    switch (level) {
    case Level::Unbeatable:
        return evaluateRules(unbeatableRules, board, draw, movecount);
    case Level::Hard:
        return evaluateRules(hardRules, board, draw, movecount);
    case Level::Medium:
        return evaluateRules(mediumRules, board, draw, movecount);
    case Level::Easy:
        break;
    }
    return draw; // Easy consults no rules: the random square stands
}

} // namespace ttt
