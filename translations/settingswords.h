// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fileerror.h"

#include <string>

namespace ttt {

// The sentence for a cause the system does not word itself, as the source text the game
// translates in the "SettingsProblem" context; "%1" stands for the link's target. Null for
// None and SystemError.
const char* fileErrorSourceText(FileError::Cause cause);

// "Some settings in %1 could not be read, so their default values are used.", as the
// source text the game translates in the "SettingsProblem" context and the lab prints.
const char* partlyReadSourceText();

// The error in English, as tictactoe-lab prints it: the system's own words for its error,
// else the sentence above with the link's target put in; empty for no error.
std::string englishFileErrorText(const FileError& error);

} // namespace ttt
