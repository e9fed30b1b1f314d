// SPDX-License-Identifier: GPL-3.0-or-later
#include "savedoptions.h"

namespace ttt {

// In the record, 2 means O first and two players and 1 means scoring switched off and
// always on top; any other number means the other choice.
Options optionsFromRecord(const SettingsRecord& record)
{
    Options options;
    options.level = levelNumbered(record.difficulty).value_or(options.level);
    options.firstMover = record.firstMover == 2 ? Mark::O : Mark::X;
    options.players = record.players == 2 ? Players::Two : Players::One;
    options.scoring = record.scoringOff != 1;
    options.sounds = SoundSwitch::fromSaved(record.soundOn);
    options.onTop = record.onTop == 1;
    if (PictureSet::isPicture(record.firstPicture))
        options.pictureSet = PictureSet::holding(record.firstPicture);
    return options;
}

SettingsRecord recordFromOptions(const Options& options)
{
    SettingsRecord record;
    record.difficulty = levelNumber(options.level);
    record.firstMover = options.firstMover == Mark::O ? 2 : 1;
    record.players = options.players == Players::Two ? 2 : 1;
    record.scoringOff = options.scoring ? 0 : 1;
    record.soundOn = options.sounds.saved();
    record.onTop = options.onTop ? 1 : 0;
    record.firstPicture = options.pictureSet.firstPicture();
    return record;
}

} // namespace ttt
