// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ttt {

// Runs any bytes through the field reader, the number reader and the loader, and checks
// what must hold for every input: fields lie inside the text, the loaded record obeys
// the range rules and survives a save and a load unchanged, a cut-off read never
// disagrees with a whole one, and loading a real file with these bytes gives the same
// record and leaves the file with the default line appended. scratchFolder must be an
// existing folder the check may write "options.ttt" into. Returns what went wrong, or
// an empty string.
std::string checkSettingsInput(std::string_view data, const std::filesystem::path& scratchFolder);

} // namespace ttt
