// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

#include "settings/filereading.h"
#include "settings/filereplacer.h"
#include "settings/filetarget.h"
#include "settings/settingstext.h"

namespace ttt {

LoadedSettings loadSettings(const std::filesystem::path& file)
{
    // Saves killed part-way in earlier runs may have left their new files behind.
    removeReplaceLeftovers(file);
    removeReplaceLeftovers(file.parent_path() / pictureSetFileName);
    const FileTarget target = resolveFileTarget(file);
    if (target.error)
        return {SettingsRecord{}, {SettingsProblem::Kind::NotUsed, file, target.error}};
    const TargetFolder folder(target.path);
    const FileStart start = readFileStart(folder, settingsReadLimit);
    if (start.error) {
        // Appending to a file that cannot be read would only make it grow.
        return {SettingsRecord{}, {SettingsProblem::Kind::Unreadable, file, start.error}};
    }
    if (start.missing) {
        // Made whole, as every save is: a kill or a full disk leaves no empty file.
        if (FileError failure = replaceFileContent(file, settingsLine(SettingsRecord{})))
            return {SettingsRecord{}, {SettingsProblem::Kind::NotCreated, file, failure}};
        return {SettingsRecord{}, {}};
    }
    // A file holding nothing but a byte-order mark counts as empty. An existing file that
    // takes no appended line reads just as if it had taken it.
    const bool noContent = withoutByteOrderMark(start.text).empty();
    appendToFile(folder, lineToAppend(noContent ? std::string_view() : start.lastByte));
    const ParsedSettings parsed = readSettingsContent(start.text, start.wholeFile);
    LoadedSettings loaded{parsed.record, {}};
    // Fields that could not be read are lost at the next save; when there will be none,
    // that comes first.
    if (FileError error = foreseeReplaceError(file))
        loaded.problem = {SettingsProblem::Kind::WillNotBeSaved, file, std::move(error)};
    else if (parsed.unreadFields > 0)
        loaded.problem = {SettingsProblem::Kind::PartlyRead, file, {}};
    return loaded;
}

SettingsProblem saveSettings(const std::filesystem::path& file, const SettingsRecord& record)
{
    // A record the game could not read is the player's still: it is not replaced
    // by the defaults the game fell back on.
    const FileTarget target = resolveFileTarget(file);
    if (!target.error && ::access(target.path.c_str(), R_OK) != 0 && errno != ENOENT)
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
