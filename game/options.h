// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "core/level.h"
#include "core/pictureset.h"

namespace ttt {

enum class Players { One, Two };

// The sound switch. The settings file holds it as a number, 1 for on; any other number
// means off and is written back as it was read until the player flips the switch.
class SoundSwitch
{
public:
    constexpr SoundSwitch() = default;
    static constexpr SoundSwitch fromSaved(int saved) { return SoundSwitch(saved); }

    constexpr bool isOn() const { return m_saved == 1; }
    constexpr int saved() const { return m_saved; }
    constexpr void flip() { m_saved = isOn() ? 0 : 1; }

    friend constexpr bool operator==(SoundSwitch, SoundSwitch) = default;

private:
    constexpr explicit SoundSwitch(int saved) : m_saved(saved) {}

    int m_saved = 1;
};

// The options the player sets and the settings file keeps between runs. The defaults
// are those of a first start.
struct Options
{
    Level level = Level::Hard;
    Mark firstMover = Mark::X; // O: the computer opens one-player games
    Players players = Players::One;
    bool scoring = true;
    SoundSwitch sounds{};
    bool onTop = false;
    PictureSet pictureSet{};

    friend bool operator==(const Options&, const Options&) = default;
};

} // namespace ttt
