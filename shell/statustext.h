// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/options.h"

#include <QString>

namespace ttt {

class Match;

// The line under the board while no outcome is shown: how to start a game, or whose
// move it is. Empty once a game has ended: the outcome picture says how.
QString statusText(const Match& match, Players players);

} // namespace ttt
