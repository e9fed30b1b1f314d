// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsrecord.h"

#include <array>
#include <cstddef>
#include <optional>

namespace ttt {

inline constexpr std::size_t settingsFieldCount = 7;

// The numbers read for the seven fields, in record order; nothing for a field that
// could not be read at all.
using SettingsNumbers = std::array<std::optional<double>, settingsFieldCount>;

// Turns the numbers read from the file into the record the game starts with:
// - difficulty: 1 to 4 keeps its whole part; anything else becomes 3 (Hard);
// - firstPicture: 1 to 34 becomes 3 * floor(v / 3) + 1, the first picture of its set;
//   anything else becomes 16 (the sixth set);
// - the five switches are kept as read when they are whole numbers from -32768 to
//   32767 (only 2 for first mover and players, and only 1 for the others, switches
//   anything on); any other number means the switch is off and is kept as 1 for first
//   mover and players and as 0 for the others.
// A field that could not be read keeps its default.
SettingsRecord recordFromNumbers(const SettingsNumbers& numbers);

} // namespace ttt
