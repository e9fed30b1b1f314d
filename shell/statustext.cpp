// SPDX-License-Identifier: GPL-3.0-or-later
#include "statustext.h"

#include "game/match.h"

#include <QCoreApplication>

namespace ttt {

QString statusText(const Match& match, Players players)
{
    if (match.isPlaying()) {
        if (players == Players::One)
            return QCoreApplication::translate("StatusLine", "Your move");
        return match.nextMark() == Mark::X ? QCoreApplication::translate("StatusLine", "X to move")
                                           : QCoreApplication::translate("StatusLine", "O to move");
    }
    if (match.outcome() != Outcome::Open)
        return {};
    return QCoreApplication::translate("StatusLine", "Press P or New Game to play");
}

} // namespace ttt
