// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "game/savedoptions.h"
#include "settings/settingsfile.h"
#include "translations/settingsproblemtext.h"

namespace ttt {

namespace {

// Start-up told the player that the settings file is a link the game does not follow.
bool linkRefusedAtStart = false;

} // namespace

StartingOptions loadOptionsFile()
{
    const LoadedSettings loaded = loadSettings(settingsFileName);
    linkRefusedAtStart = loaded.problem.kind == SettingsProblem::Kind::NotUsed;
    return {optionsFromRecord(loaded.record), settingsProblemText(loaded.problem)};
}

QString saveOptionsFile(const Options& options)
{
    const SettingsProblem problem = saveSettings(settingsFileName, recordFromOptions(options));
    // Nothing is written through such a link, and the player has heard so once.
    if (linkRefusedAtStart && problem.error.cause == FileError::Cause::RefusedLink)
        return {};
    return settingsProblemText(problem);
}

QString savePictureSetFile(int firstPicture)
{
    return settingsProblemText(savePictureSet(pictureSetFileName, firstPicture));
}

} // namespace ttt
