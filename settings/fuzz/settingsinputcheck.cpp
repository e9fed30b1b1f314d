// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsinputcheck.h"

#include "core/pictureset.h"
#include "settings/fieldnumber.h"
#include "settings/fieldreader.h"
#include "settings/settingsfile.h"
#include "settings/settingstext.h"

#include <array>
#include <cmath>
#include <fstream>
#include <iterator>

namespace ttt {

namespace {

std::array<int, 7> fieldsOf(const SettingsRecord& r)
{
    return {r.difficulty, r.firstMover, r.players, r.scoringOff, r.soundOn, r.onTop, r.firstPicture};
}

std::string checkFields(std::string_view data)
{
    FieldReader reader(data);
    std::size_t count = 0;
    while (const auto field = reader.next()) {
        if (field->data() < data.data() ||
            field->data() + field->size() > data.data() + data.size())
            return "a field lies outside the text";
        if (std::isnan(fieldToNumber(*field)))
            return "a field reads as NaN";
        if (++count > data.size() + 1)
            return "the field reader does not advance";
    }
    return {};
}

std::string checkRecord(const SettingsRecord& record)
{
    const auto f = fieldsOf(record);
    if (record.difficulty < 1 || record.difficulty > 4)
        return "difficulty out of range";
    if (!PictureSet::isPicture(record.firstPicture) ||
        PictureSet::holding(record.firstPicture).firstPicture() != record.firstPicture)
        return "firstPicture is not the first picture of a set";
    for (std::size_t i = 1; i < 6; ++i) {
        if (f[i] < -32768 || f[i] > 32767)
            return "a switch is out of the 16-bit range";
    }
    const ParsedSettings again = readSettingsText(settingsLine(record));
    if (again.unreadFields != 0 || !(again.record == record))
        return "a saved record does not load back unchanged";
    return {};
}

std::string checkCutOff(std::string_view data, const ParsedSettings& whole)
{
    const ParsedSettings cut = readSettingsContent(data, false);
    const auto cutFields = fieldsOf(cut.record);
    const auto wholeFields = fieldsOf(whole.record);
    for (std::size_t i = 0; i + cut.unreadFields < 7; ++i) {
        if (cutFields[i] != wholeFields[i])
            return "a cut-off read disagrees with the whole read";
    }
    return checkRecord(cut.record);
}

std::string readBack(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string checkFileLoad(std::string_view data, const ParsedSettings& expected,
                          const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / settingsFileName;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(data.data(), static_cast<std::streamsize>(data.size()));
    const LoadedSettings loaded = loadSettings(file);
    if (!(loaded.record == expected.record))
        return "loading the file disagrees with reading its content";
    if (!loaded.problem != (expected.unreadFields == 0))
        return "the load problem does not match the unread fields";
    if (readBack(file) != std::string(data) + lineToAppend(withoutByteOrderMark(data)))
        return "loading did not append exactly the default line";
    return {};
}

} // namespace

std::string checkSettingsInput(std::string_view data, const std::filesystem::path& scratchFolder)
{
    std::string failure = checkFields(data);
    if (!failure.empty())
        return failure;
    const ParsedSettings whole = readSettingsContent(data, true);
    failure = checkRecord(whole.record);
    if (failure.empty())
        failure = checkCutOff(data, whole);
    if (failure.empty() && data.size() <= settingsReadLimit)
        failure = checkFileLoad(data, whole, scratchFolder);
    return failure;
}

} // namespace ttt
