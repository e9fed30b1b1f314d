// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ttt {

// Watches QApplication's start-up for the failure a player can meet there: no
// display to open (started from a text console, over ssh without X forwarding,
// or with DISPLAY pointing at nothing). Qt reports it in several lines ending in
// advice to reinstall, then aborts; the game says what is wrong in one line and
// ends with status 1. Whatever else Qt says while starting is passed on as usual
// once start-up is over.
class DisplayCheck
{
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
};

} // namespace ttt
