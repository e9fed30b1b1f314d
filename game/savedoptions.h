// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/options.h"
#include "settings/settingsrecord.h"

namespace ttt {

// The settings boundary: the options the game starts with from the record the settings
// file gave, and the record saved at exit from the options in force.
Options optionsFromRecord(const SettingsRecord& record);
SettingsRecord recordFromOptions(const Options& options);

} // namespace ttt
