// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linerules.h"
#include "ruleevaluator.h"

namespace ttt {

// Unbeatable, after winning and blocking: the opening replies, the replies to a
// human in the centre (ending in a stop that keeps the draw), the answers to a
// human diagonal, and the same edge-and-far-corner replies as Hard. No row reads
// the draw: it matters only after a stop or when no row holds.
inline constexpr Rule unbeatableOwnRules[] = {
    {"49", "5=0, n<3", 5},      {"50", "5=1, n=1", 9},      {"51", "5=1, 9=2, 1=1", 3},
    {"52", "5=1, 7=2, 3=1", 9}, {"53", "5=1, 1=2, 9=1", 7}, {"54", "5=1, 3=2, 7=1", 1},
    {"55", "5=1", stop},        {"56", "7=1, 3=1", 6},      {"57", "1=1, 9=1", 4},
    {"58", "8=1, 3=1", 9},      {"59", "8=1, 1=1", 7},      {"60", "2=1, 9=1", 3},
    {"61", "2=1, 7=1", 1},      {"62", "4=1, 9=1", 7},      {"63", "4=1, 3=1", 1},
    {"64", "6=1, 1=1", 3},      {"65", "6=1, 7=1", 9},
};

// Rules 1 to 24 win, 25 to 48 block, 49 to 65 as above.
inline constexpr auto unbeatableRules = joinRules(winSequence, blockSequence, unbeatableOwnRules);

} // namespace ttt
