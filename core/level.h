// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace ttt {

// How strongly the computer plays a one-player game. The numbers are those of the
// settings file and the lab; the menu spells the second level "&Meduim".
enum class Level { Easy = 1, Medium = 2, Hard = 3, Unbeatable = 4 };

inline constexpr std::array<Level, 4> allLevels{Level::Easy, Level::Medium, Level::Hard,
                                                Level::Unbeatable};

constexpr int levelNumber(Level level)
{
    return static_cast<int>(level);
}

constexpr std::optional<Level> levelNumbered(int number)
{
    if (number < levelNumber(Level::Easy) || number > levelNumber(Level::Unbeatable))
        return std::nullopt;
    return static_cast<Level>(number);
}

} // namespace ttt
