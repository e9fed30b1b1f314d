// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linerules.h"
#include "ruleevaluator.h"

namespace ttt {

// Medium (the menu's "&Meduim"): blocks the human's first open pair and otherwise plays the draw.
// It never completes a line of its own.
inline constexpr auto mediumRules = joinRules(blockSequence);

} // namespace ttt
