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
    if (start.trouble) {
        // Appending to a file that cannot be read would only make it grow.
        return {SettingsRecord{}, {FileProblem::Kind::Unreadable, file, start.trouble}};
    }
    // A file holding nothing but a byte-order mark counts as empty.
    const bool noContent = withoutByteOrderMark(start.text).empty();
    const FileTrouble appendFailure =
        appendToFile(file, lineToAppend(noContent ? std::string_view() : start.lastByte));
    if (start.missing && appendFailure) {
        return {SettingsRecord{}, {FileProblem::Kind::NotCreated, file, appendFailure}};
    }
    // An existing file that takes no appended line reads just as if it had taken it.
    const ParsedSettings parsed = readSettingsContent(start.text, start.wholeFile);
    LoadedSettings loaded{parsed.record, {}};
    if (parsed.unreadFields > 0)
        loaded.problem = {FileProblem::Kind::PartlyRead, file, {}};
    else if (FileTrouble trouble = foreseeReplaceTrouble(file))
        loaded.problem = {FileProblem::Kind::WillNotBeSaved, file, std::move(trouble)};
    return loaded;
}

FileProblem saveSettings(const std::filesystem::path& file, const SettingsRecord& record)
{
    // A record the game could not read is the player's still: it is not replaced
    // by the defaults the game fell back on.
    if (::access(file.c_str(), R_OK) != 0 && errno != ENOENT)
        return {FileProblem::Kind::UnreadableNotSaved, file, systemTrouble(errno)};
    FileTrouble failure = replaceFileContent(file, settingsLine(record));
    if (!failure)
        return {};
    return {FileProblem::Kind::NotSaved, file, std::move(failure)};
}

FileProblem savePictureSet(const std::filesystem::path& file, int firstPicture)
{
    FileTrouble failure = replaceFileContent(file, pictureSetLine(firstPicture));
    if (!failure)
        return {};
    return {FileProblem::Kind::PictureSetNotSaved, file, std::move(failure)};
}

} // namespace ttt
