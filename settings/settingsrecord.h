// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ttt {

// The seven settings kept between runs, in the order they are stored.
struct SettingsRecord
{
    int difficulty = 3;    // 1 Easy .. 4 Unbeatable
    int firstMover = 1;    // 2: O goes first; anything else: X
    int players = 1;       // 2: two players; anything else: one
    int scoringOff = 0;    // 1: scoring switched off
    int soundOn = 1;       // 1: cues on; anything else: off
    int onTop = 0;         // 1: main window always on top
    int firstPicture = 16; // the chosen picture set by its first picture: 1, 4, ..., 34

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

} // namespace ttt
