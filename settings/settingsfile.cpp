// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

#include "settings/filereading.h"
#include "settings/filereplacer.h"
#include "settings/settingstext.h"

namespace ttt {

LoadedSettings loadSettings(const std::filesystem::path& file)
{
    // Saves killed part-way in earlier runs may have left their new files behind.
    removeReplaceLeftovers(file);
    removeReplaceLeftovers(file.parent_path() / pictureSetFileName);
    const FileStart start = readFileStart(file, settingsReadLimit);
    if (start.error) {
        // Appending to a file that cannot be read would only make it grow.
        return {SettingsRecord{}, {SettingsProblem::Kind::Unreadable, file, start.error}};
    }
    // A file holding nothing but a byte-order mark counts as empty.
    const bool noContent = withoutByteOrderMark(start.text).empty();
    const FileError appendFailure =
        appendToFile(file, lineToAppend(noContent ? std::string_view() : start.lastByte));
    if (start.missing && appendFailure) {
        return {SettingsRecord{}, {SettingsProblem::Kind::NotCreated, file, appendFailure}};
    }
    // An existing file that takes no appended line reads just as if it had taken it.
    const ParsedSettings parsed = readSettingsContent(start.text, start.wholeFile);
    LoadedSettings loaded{parsed.record, {}};
    if (parsed.unreadFields > 0)
        loaded.problem = {SettingsProblem::Kind::PartlyRead, file, {}};
    else if (FileError error = foreseeReplaceError(file))
        loaded.problem = {SettingsProblem::Kind::WillNotBeSaved, file, std::move(error)};
    return loaded;
}

SettingsProblem saveSettings(const std::filesystem::path& file, const SettingsRecord& record)
{
    // A record the game could not read is the player's still: it is not replaced
    // by the defaults the game fell back on.
    if (::access(file.c_str(), R_OK) != 0 && errno != ENOENT)
        return {SettingsProblem::Kind::UnreadableNotSaved, file, systemError(errno)};
    FileError failure = replaceFileContent(file, settingsLine(record));
    if (!failure)
        return {};
    return {SettingsProblem::Kind::NotSaved, file, std::move(failure)};
}

SettingsProblem savePictureSet(const std::filesystem::path& file, int firstPicture)
{
    FileError failure = replaceFileContent(file, pictureSetLine(firstPicture));
    if (!failure)
        return {};
    return {SettingsProblem::Kind::PictureSetNotSaved, file, std::move(failure)};
}

} // namespace ttt
