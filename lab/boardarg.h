// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "core/level.h"

#include <optional>
#include <string>
#include <string_view>

namespace ttt::lab {

// Command-line values of the opponent verbs. Each returns the value, or leaves it
// empty and puts a one-line description of what is wrong into `fault`.

// LEVEL: "1" (Easy) to "4" (Unbeatable).
std::optional<Level> parseLevel(std::string_view text, std::string& fault);

// BOARD: nine characters for squares 1..9 in order, each '.', 'X' or 'O'.
std::optional<Board> parseBoard(std::string_view text, std::string& fault);

} // namespace ttt::lab
