// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "game/savedoptions.h"
#include "settings/settingsfile.h"
#include "translations/settingsproblemtext.h"

namespace ttt {

StartingOptions loadOptionsFile()
{
    const LoadedSettings loaded = loadSettings(settingsFileName);
    return {optionsFromRecord(loaded.record), settingsProblemText(loaded.problem)};
}

QString saveOptionsFile(const Options& options)
{
    return settingsProblemText(saveSettings(settingsFileName, recordFromOptions(options)));
}

QString savePictureSetFile(int firstPicture)
{
    return settingsProblemText(savePictureSet(pictureSetFileName, firstPicture));
}

} // namespace ttt
