// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldreader.h"

namespace ttt {

namespace {

constexpr std::string_view separators = ",\r\n";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<std::string_view> FieldReader::next()
{
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
    if (m_pos >= m_text.size())
        return std::nullopt;
    if (m_text[m_pos] == '"')
        return quotedField();
    return plainField();
}

std::optional<std::string_view> FieldReader::quotedField()
{
    const std::size_t open = m_pos;
    const std::size_t close = m_text.find('"', open + 1);
    if (close == std::string_view::npos) {
        m_pos = m_text.size();
        return std::nullopt;
    }
    const std::string_view field = m_text.substr(open + 1, close - open - 1);
    m_pos = close + 1;
    plainField(); // the rest up to the separator does not belong to the value
    return field;
}

std::string_view FieldReader::plainField()
{
    const std::size_t start = m_pos;
    const std::size_t end = m_text.find_first_of(separators, start);
    m_pos = end == std::string_view::npos ? m_text.size() : end;
    const std::string_view field = m_text.substr(start, m_pos - start);
    skipSeparator();
    return field;
}

void FieldReader::skipSeparator()
{
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
        ++m_pos;
    ++m_pos;
}

} // namespace ttt
