#include "settingsfile.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "settings/filereading.h"
#include "settings/filereplacer.h"
#include "settings/settingstext.h"

namespace ttt {

LoadedSettings loadSettings(const std::filesystem::path& file)
{
    const std::string name = file.string();
    // Saves killed part-way in earlier runs may have left their new files behind.
    removeReplaceLeftovers(file);
    removeReplaceLeftovers(file.parent_path() / pictureSetFileName);
    const FileStart start = readFileStart(file, settingsReadLimit);
    if (!start.error.empty()) {
        // Appending to a file that cannot be read would only make it grow.
        return {SettingsRecord{}, "The settings file " + name + " could not be read (" +
                                      start.error + "), so the default settings are used."};
    }
    // A file holding nothing but a byte-order mark counts as empty.
    const bool noContent = withoutByteOrderMark(start.text).empty();
    const std::string appendFailure =
        appendToFile(file, lineToAppend(noContent ? std::string_view() : start.lastByte));
    if (start.missing && !appendFailure.empty()) {
        return {SettingsRecord{}, "The settings file " + name + " could not be created (" +
                                      appendFailure + "), so the default settings are used."};
    }
    // An existing file that takes no appended line reads just as if it had taken it.
    const ParsedSettings parsed = readSettingsContent(start.text, start.wholeFile);
    LoadedSettings loaded{parsed.record, {}};
    if (parsed.unreadFields > 0)
        loaded.problem = unreadSettingsProblem(file);
    return loaded;
}

std::string unreadSettingsProblem(const std::filesystem::path& file)
{
    return "Some settings in " + file.string() +
           " could not be read, so their default values are used.";
}

std::string saveSettings(const std::filesystem::path& file, const SettingsRecord& record)
{
    // A record the game could not read is the player's still: it is not replaced
    // by the defaults the game fell back on.
    if (::access(file.c_str(), R_OK) != 0 && errno != ENOENT)
        return "The settings could not be saved to " + file.string() + " (" + std::strerror(errno) +
               "): the file could not be read at start-up.";
    const std::string failure = replaceFileContent(file, settingsLine(record));
    if (failure.empty())
        return {};
    return "The settings could not be saved to " + file.string() + " (" + failure + ").";
}

std::string savePictureSet(const std::filesystem::path& file, int cardbase)
{
    const std::string failure = replaceFileContent(file, pictureSetLine(cardbase));
    if (failure.empty())
        return {};
    return "The picture set could not be saved to " + file.string() + " (" + failure + ").";
}

} // namespace ttt
