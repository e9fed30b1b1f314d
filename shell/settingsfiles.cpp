// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfiles.h"

#include "game/savedoptions.h"
#include "mainwindow.h"
#include "settings/settingsfile.h"
#include "settingsproblemtext.h"

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

void keepSettingsOf(MainWindow& window)
{
    window.setOptionsSaver(saveOptionsFile);
    QObject::connect(&window, &MainWindow::pictureSetChosen, &window, [&window](int firstPicture) {
        window.warn(savePictureSetFile(firstPicture));
    });
}

} // namespace ttt
