// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linerules.h"
#include "ruleevaluator.h"

namespace ttt {

// Hard, after winning and blocking: edge draws turn into the centre, the human's
// edge-and-far-corner positions get the corner between them, and corner draws turn
// into the centre. Several rows read the draw (c); none tests whether the centre
// or the chosen corner is free, so the move may have to be drawn again.
inline constexpr Rule hardOwnRules[] = {
    {"49", "(8=1 and c=4) or c=6", 5},
    {"50", "(2=1 and c=4) or c=6", 5},
    {"51", "(4=1 and c=8) or c=2", 5},
    {"52", "(6=1 and c=8) or c=2", 5},
    {"53", "8=1, 3=1", 9},
    {"54", "8=1, 1=1", 7},
    {"55", "2=1, 9=1", 3},
    {"56", "2=1, 7=1", 1},
    {"57", "4=1, 9=1", 7},
    {"58", "4=1, 3=1", 1},
    {"59", "6=1, 1=1", 3},
    {"60", "6=1, 7=1", 9},
    {"61", "(7=1 and c=9) or c=1 or c=3", 5},
    {"62", "(9=1 and c=7) or c=1 or c=3", 5},
    {"63", "(1=1 and c=9) or c=7 or c=3", 5},
    {"64", "(3=1 and c=9) or c=1 or c=7", 5},
};

// Rules 1 to 24 win, 25 to 48 block, 49 to 64 as above.
inline constexpr auto hardRules = joinRules(winSequence, blockSequence, hardOwnRules);

} // namespace ttt
