// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ttt {

struct SettingsProblem;
struct FileError;

// Why a settings file could not be read or written, in the player's language where the
// game has the words, else as the system words it.
QString fileErrorText(const FileError& error);

// One short sentence that tells the player what went wrong with a settings file and
// what the game does about it; empty when nothing went wrong.
QString settingsProblemText(const SettingsProblem& problem);

} // namespace ttt
