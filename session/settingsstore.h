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
};

StartingOptions loadOptionsFile();
QString saveOptionsFile(const Options& options);
QString savePictureSetFile(int firstPicture);

} // namespace ttt
