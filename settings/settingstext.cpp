// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingstext.h"

#include "settings/fieldnumber.h"
#include "settings/fieldreader.h"
#include "settings/rangerules.h"

namespace ttt {

ParsedSettings readSettingsText(std::string_view text)
{
    FieldReader reader(text);
    SettingsNumbers numbers;
    ParsedSettings parsed;
    for (auto& number : numbers) {
        if (const auto field = reader.next())
            number = fieldToNumber(*field);
        else
            ++parsed.unreadFields;
    }
    parsed.record = recordFromNumbers(numbers);
    return parsed;
}

std::string lineToAppend(std::string_view fileEnd)
{
    std::string line;
    if (!fileEnd.empty() && fileEnd.back() != '\n' && fileEnd.back() != '\r')
        line = "\r\n";
    return line + settingsLine(SettingsRecord{});
}

std::string_view withoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return text.starts_with(mark) ? text.substr(mark.size()) : text;
}

ParsedSettings readSettingsContent(std::string_view content, bool wholeFile)
{
    content = withoutByteOrderMark(content);
    if (wholeFile)
        return readSettingsText(std::string(content) + lineToAppend(content));
    // Only fields that end before the cut are certain.
    const std::size_t lastSeparator = content.find_last_of(",\r\n");
    const std::size_t certain = lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
    return readSettingsText(content.substr(0, certain));
}

std::string settingsLine(const SettingsRecord& record)
{
    const int values[] = {record.difficulty,  record.firstMover, record.players,
                          record.scoringOff,  record.soundOn,    record.onTop,
                          record.firstPicture};
    std::string line;
    for (const int value : values) {
        if (!line.empty())
            line += ',';
        line += std::to_string(value);
    }
    return line + "\r\n";
}

std::string pictureSetLine(int firstPicture)
{
    return std::to_string(firstPicture) + "\r\n";
}

} // namespace ttt
