// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

#include <vector>

namespace ttt {

// Every board on which the computer is asked for a reply in some one-player game,
// whoever opens: no line of three yet and at least one free square. Each board
// appears once, in no particular order.
std::vector<Board> replyBoards();

} // namespace ttt
