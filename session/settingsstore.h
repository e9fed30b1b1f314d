// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/options.h"

#include <QString>

namespace ttt {

// The settings kept between runs: the options in "options.ttt" and the picture set also
// in "cardset.ttt", both in the working directory. What went wrong comes back in the
// player's words, empty when nothing did.
struct StartingOptions
{
    Options options;
    QString problem;
    // The player has been told that the file is not used (a link the game does not follow).
    bool fileRefused = false;
};

StartingOptions loadOptionsFile();
// Nothing is written through a link refused at start-up, and the player is not told again.
QString saveOptionsFile(const Options& options, bool refusedAtStart);
QString savePictureSetFile(int firstPicture);

} // namespace ttt
