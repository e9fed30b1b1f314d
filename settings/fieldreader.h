// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace ttt {

// Splits settings text into fields, one at a time. Commas and line ends (CR LF, a lone
// CR or a lone LF) separate fields, and fields run on from one line to the next. Blanks
// and tabs before a field are skipped. A field that begins with a double quote runs to
// the closing quote, and whatever follows that quote up to the next separator is
// ignored. Every other field runs to the next separator.
class FieldReader
{
public:
    explicit FieldReader(std::string_view text) : m_text(text) {}

    // The next field's text (without its quotes), or nothing once the text is used up
    // or the field opens a quote that is never closed; after that there are no more.
    std::optional<std::string_view> next();

private:
    std::optional<std::string_view> quotedField();
    std::string_view plainField();
    void skipSeparator();

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace ttt
