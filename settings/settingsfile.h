// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fileerror.h"
#include "settings/settingsrecord.h"

#include <cstddef>
#include <filesystem>

namespace ttt {

// The settings files live in the working directory under these names.
inline constexpr const char* settingsFileName = "options.ttt";
inline constexpr const char* pictureSetFileName = "cardset.ttt";

// No real settings file comes near this; only its start is read.
inline constexpr std::size_t settingsReadLimit = std::size_t{1} << 20;

// What went wrong with one of the two files, as facts; the program words it for
// the player. A default-made problem is no problem.
struct SettingsProblem
{
    enum class Kind {
        None,
        Unreadable,         // at start-up: the file could not be read, the defaults are used
        NotCreated,         // at start-up: the missing file could not be made, defaults used
        NotUsed,            // at start-up: a link that is not followed; nothing is written to it
        PartlyRead,         // at start-up: some fields could not be read and keep their defaults
        WillNotBeSaved,     // at start-up: the file was read, but saving to it will be refused
        NotSaved,           // the settings could not be saved
        UnreadableNotSaved, // not saved, because the file could not be read at start-up
        PictureSetNotSaved, // the picture set could not be saved
    };

    Kind kind = Kind::None;
    std::filesystem::path file;
    FileError error; // why; none for PartlyRead

    explicit operator bool() const { return kind != Kind::None; }
    bool operator==(const SettingsProblem&) const = default;
};

struct LoadedSettings
{
    SettingsRecord record;
    SettingsProblem problem;
};

// Start-up: reads the record from the file's start, past a UTF-8 byte-order mark, and
// appends the default line to it; a missing file is made holding that line alone, as a
// save makes it (never empty, not even for a moment). A link that is not followed (see
// resolveFileTarget), a file that cannot be read or created give the defaults, and fields
// that cannot be read keep theirs; problem then says so, as it does when the file was read
// but a save to it would be refused. Never stops the program. Before that, removes what
// saves of this file and of the picture-set file beside it left behind when killed
// part-way in earlier runs.
LoadedSettings loadSettings(const std::filesystem::path& file);

// Exit: replaces the whole file with the one line of the record, as replaceFileContent
// does (links followed, anything but a regular file left alone, owner and permissions
// kept, written in place where it cannot be replaced). A file that cannot be read is
// left alone too: it may hold the player's settings. Returns no problem on success;
// on failure the old file stays as it was.
SettingsProblem saveSettings(const std::filesystem::path& file, const SettingsRecord& record);

// The graphics chooser's OK: replaces the whole file with the one line of the chosen set's
// first picture, as saveSettings does.
SettingsProblem savePictureSet(const std::filesystem::path& file, int firstPicture);

} // namespace ttt
