// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoting.h"

#include <cstddef>
#include <cstdio>

namespace ttt {

namespace {

// The length of the UTF-8 sequence of a printable character at the start of text, or
// 0 when there is none: a malformed sequence, or a character that shows no glyph of
// its own but breaks lines, reorders them or hides (C1 controls, the line and
// paragraph separators, direction marks and invisible formatting characters).
std::size_t printableSequence(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length)
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i) & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool malformed =
        code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF);
    const bool invisible = code < 0xA0 || code == 0xAD || (code >= 0x200B && code <= 0x200F) ||
                           (code >= 0x2028 && code <= 0x202E) ||
                           (code >= 0x2060 && code <= 0x206F) || code == 0xFEFF;
    return malformed || invisible ? 0 : length;
}

std::string escaped(std::string_view text, bool quote)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if ((c == '\'' && quote) || c == '\\') {
            out += {'\\', c};
        } else if (c == '\n' || c == '\r' || c == '\t') {
            out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
        } else if (c >= ' ' && c <= '~') {
            out += c;
        } else if (const std::size_t length = printableSequence(text.substr(i))) {
            out += text.substr(i, length);
            i += length;
            continue;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
            out += escape;
        }
        ++i;
    }
    return out;
}

} // namespace

std::string quotedForMessage(std::string_view text)
{
    // Built by appending: GCC 12's optimiser warns falsely about "'" + std::string&&.
    std::string quoted = "'";
    quoted += escaped(text, true);
    quoted += '\'';
    return quoted;
}

std::string escapedForMessage(std::string_view text)
{
    return escaped(text, false);
}

} // namespace ttt
