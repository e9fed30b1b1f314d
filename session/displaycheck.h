// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ttt {

// Watches QApplication's start-up for the failures a player can meet there: no
// display to open (started from a text console, over ssh without X forwarding, or
// with DISPLAY pointing at nothing), no Wayland compositor, a platform name Qt does
// not know, or a platform that starts without a screen (linuxfb with no framebuffer).
// Qt reports them in several lines ending in advice to reinstall, then aborts; the
// game names the cause in one line and ends with status 1. Whatever else Qt says
// while starting is passed on once start-up is over; from then on, and until the
// instance is gone, every message of Qt's or the game's has its control characters
// escaped, so that no text a message quotes can steer the terminal.
class DisplayCheck
{
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // Once the application object is made: ends the program when there is no screen,
    // else passes on what Qt said.
    void finish();
};

} // namespace ttt
