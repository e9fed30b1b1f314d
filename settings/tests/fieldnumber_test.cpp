// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/fieldnumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct NumberCase
{
    const char* name;
    std::string field;
    double expected;
};

class FieldNumberTest : public testing::TestWithParam<NumberCase>
{
};

TEST_P(FieldNumberTest, ReadsTheLongestNumberAtTheStart)
{
    EXPECT_DOUBLE_EQ(ttt::fieldToNumber(GetParam().field), GetParam().expected);
}

constexpr double infinity = std::numeric_limits<double>::infinity();

const NumberCase numberCases[] = {
    {"Digits", "34", 34},
    {"Empty", "", 0},
    {"Letter", "x", 0},
    {"StopsAtLetter", "12abc", 12},
    {"PlusSign", "+2", 2},
    {"MinusSign", "-5", -5},
    {"SignAlone", "-", 0},
    {"PointAndDigits", "2.75", 2.75},
    {"LeadingPoint", ".5", 0.5},
    {"TrailingPoint", "3.", 3},
    {"PointAlone", ".", 0},
    {"SecondPointStops", "1.2.3", 1.2},
    {"Exponent", "1E2", 100},
    {"LowerCaseExponent", "2.5e1", 25},
    {"NegativeExponent", "34E-1", 3.4},
    {"PlusExponent", "4E+0", 4},
    {"ExponentWithoutDigits", "7E", 7},
    {"ExponentSignWithoutDigits", "7E-", 7},
    {"ExponentWithoutMantissa", "E2", 0},
    {"BlanksInsideNumber", " 1 6 ", 16},
    {"TabsAndLineFeedsInside", "1\t\n6", 16},
    {"BlankBetweenSignAndDigits", "- 3", -3},
    {"BlanksInsideExponent", "1 E 2", 100},
    {"CarriageReturnStops", "1\r6", 1},
    {"NulStops",
     std::string("2\0"
                 "9",
                 3),
     2},
    {"Hex", "&H22", 34},
    {"HexLowerCase", "&hff", 255},
    {"HexStopsAtNonHexDigit", "&H1G", 1},
    {"HexWithoutDigits", "&H", 0},
    {"HexWithBlanks", "& H 1 0", 16},
    {"Octal", "&O42", 34},
    {"OctalLowerCase", "&o17", 15},
    {"OctalStopsAtEight", "&O18", 1},
    {"AmpersandAlone", "&", 0},
    {"AmpersandOtherLetter", "&X1", 0},
    {"SignBeforeHexIsNoNumber", "-&H10", 0},
    {"BeyondSixteenBits", "70000", 70000},
    {"HugeExponentIsInfinite", "1E999", infinity},
    {"HugeNegative", "-1E999", -infinity},
    {"TinyIsZero", "1E-999", 0},
    {"VeryLongDigits", std::string(400, '9'), infinity},
    {"ZeroPointZeros", "0." + std::string(500, '0') + "1E502", 10},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const NumberCase& c, std::ostream* out)
{
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldNumberTest, testing::ValuesIn(numberCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldNumber, LongHexNeverOverflowsIntoGarbage)
{
    const double value = ttt::fieldToNumber("&H" + std::string(300, 'F'));
    EXPECT_TRUE(std::isinf(value) || value > 1e300);
}

} // namespace
