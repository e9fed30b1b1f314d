// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldnumber.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

namespace ttt {

namespace {

std::string withoutBlanks(std::string_view field)
{
    std::string text(field);
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Value of c as a digit of the given base, or -1.
int digitValue(char c, int base)
{
    constexpr std::string_view digits = "0123456789abcdef0123456789ABCDEF";
    const std::size_t at = digits.find(c);
    return at != std::string_view::npos && static_cast<int>(at % 16) < base
               ? static_cast<int>(at % 16)
               : -1;
}

double radixNumber(std::string_view digits, int base)
{
    double value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    return value;
}

bool hasNegativeExponent(std::string_view number)
{
    const std::size_t e = number.find_first_of("Ee");
    return e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
}

double decimalNumber(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    // The longest number at the start, as from_chars reads it; a start it would read
    // as a word ("inf", "nan") or a sign is none here.
    if (text.empty() || !(isDigit(text.front()) || text.front() == '.'))
        return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        value =
            hasNegativeExponent({text.data(), end}) ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

} // namespace

double fieldToNumber(std::string_view field)
{
    const std::string text = withoutBlanks(field);
    const std::string_view view = text;
    if (view.size() >= 2 && view[0] == '&') {
        if (view[1] == 'H' || view[1] == 'h')
            return radixNumber(view.substr(2), 16);
        if (view[1] == 'O' || view[1] == 'o')
            return radixNumber(view.substr(2), 8);
    }
    return decimalNumber(view);
}

} // namespace ttt
