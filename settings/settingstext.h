// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsrecord.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ttt {

// What load appends after a file's content: the default record's line, on a line of its own even
// when the last line of a hand-edited file has no line end. fileEnd is the content, or
// at least its last byte.
std::string lineToAppend(std::string_view fileEnd);

// The text without the UTF-8 byte-order mark some editors put at the start of a file.
std::string_view withoutByteOrderMark(std::string_view text);

struct ParsedSettings
{
    SettingsRecord record;
    std::size_t unreadFields = 0; // fields that kept their default because they were missing
};

// Reads the seven fields from the text exactly as it stands.
ParsedSettings readSettingsText(std::string_view text);

// What load makes of a settings file's content: the record read from the content, less
// any byte-order mark, followed by the appended default line (see lineToAppend). When the content
// is only the start of a longer file, the default line is not appended (it sits at the far end of
// the file) and a field that may run on past the part read is left unread.
ParsedSettings readSettingsContent(std::string_view content, bool wholeFile);

// The text save writes: one line, the seven values in record order, commas, CR LF.
std::string settingsLine(const SettingsRecord& record);

// The one line of "cardset.ttt".
std::string pictureSetLine(int firstPicture);

} // namespace ttt
