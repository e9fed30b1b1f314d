#pragma once

#include "settings/settingsrecord.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace ttt {

// The settings files live in the working directory under these names.
inline constexpr const char* settingsFileName = "options.ttt";
inline constexpr const char* pictureSetFileName = "cardset.ttt";

// No real settings file comes near this; only its start is read.
inline constexpr std::size_t settingsReadLimit = std::size_t{1} << 20;

struct LoadedSettings
{
    SettingsRecord record;
    std::string problem; // empty when all went well, else one short sentence for the user
};

// Start-up: appends the default line to the file (creating it), then reads the record
// from its start, past a UTF-8 byte-order mark. A file that cannot be read or created
// gives the defaults, and fields that cannot be read keep theirs; problem then tells the
// user so. Never stops the program. Before that, removes what saves of this file and of
// the picture-set file beside it left behind when killed part-way in earlier runs.
LoadedSettings loadSettings(const std::filesystem::path& file);

// What load tells the user when some fields of the file could not be read (a quote
// that is never closed, or a file cut off at the read limit).
std::string unreadSettingsProblem(const std::filesystem::path& file);

// Exit: replaces the whole file with the one line of the record, as replaceFileContent
// does (links followed, anything but a regular file left alone, owner and permissions
// kept, written in place where it cannot be replaced). A file that cannot be read is
// left alone too: it may hold the player's settings. Returns an empty string on
// success, else a short sentence for the user; the old file then stays as it was.
std::string saveSettings(const std::filesystem::path& file, const SettingsRecord& record);

// The graphics chooser's OK: replaces the whole file with the one line of cardbase, as
// saveSettings does. Returns an empty string on success, else a short sentence for the user.
std::string savePictureSet(const std::filesystem::path& file, int cardbase);

} // namespace ttt
