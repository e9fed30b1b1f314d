// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundsystem.h"

#include <QString>

#include <memory>

namespace ttt {

// Where the game's sound system plugin lives: lib/tictactoe beside the
// executable's folder, in the build tree as after installing.
QString defaultSoundSystemPath();

// Loads the sound system plugin at `path` and opens an output on it. Gives null,
// with the reason in `problem`, when the plugin is missing or cannot be loaded.
std::unique_ptr<SoundOutput> openSoundOutput(const QString& path, QString* problem = nullptr);

} // namespace ttt
