// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "game/savedoptions.h"
#include "settings/settingsfile.h"
#include "translations/settingsproblemtext.h"

namespace ttt {

StartingOptions loadOptionsFile()
{
    const LoadedSettings loaded = loadSettings(settingsFileName);
    return {optionsFromRecord(loaded.record), settingsProblemText(loaded.problem),
            loaded.problem.kind == SettingsProblem::Kind::NotUsed};
}

QString saveOptionsFile(const Options& options, bool refusedAtStart)
{
    const SettingsProblem problem = saveSettings(settingsFileName, recordFromOptions(options));
    if (refusedAtStart && problem.error.cause == FileError::Cause::RefusedLink)
        return {};
    return settingsProblemText(problem);
}

QString savePictureSetFile(int firstPicture)
{
    return settingsProblemText(savePictureSet(pictureSetFileName, firstPicture));
}

} // namespace ttt
