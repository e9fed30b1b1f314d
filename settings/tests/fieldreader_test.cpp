// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/fieldreader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Fields = std::vector<std::string>;

Fields allFields(std::string_view text)
{
    ttt::FieldReader reader(text);
    Fields fields;
    while (const auto field = reader.next())
        fields.emplace_back(*field);
    return fields;
}

struct FieldCase
{
    const char* name;
    std::string text;
    Fields expected;
};

class FieldReaderTest : public testing::TestWithParam<FieldCase>
{
};

TEST_P(FieldReaderTest, SplitsFields)
{
    EXPECT_EQ(allFields(GetParam().text), GetParam().expected);
}

const FieldCase fieldCases[] = {
    {"CommasSeparate", "1,2,3", {"1", "2", "3"}},
    {"CrLfEndsALine", "1,2\r\n3", {"1", "2", "3"}},
    {"LoneLfEndsALine", "1\n2\n", {"1", "2"}},
    {"LoneCrEndsALine", "1\r2", {"1", "2"}},
    {"FieldsRunOnAcrossLines",
     "2,2\r\n3,1,1,0,1,0,16\r\n",
     {"2", "2", "3", "1", "1", "0", "1", "0", "16"}},
    {"EmptyFieldsBetweenCommas", ",,1,", {"", "", "1"}},
    {"EmptyLineIsAnEmptyField", "1\r\n\r\n2", {"1", "", "2"}},
    {"CommaThenLineEndGivesAnEmptyField", "1,\r\n2", {"1", "", "2"}},
    {"LeadingBlanksAndTabsSkipped", "  1,\t 2", {"1", "2"}},
    {"InnerAndTrailingBlanksKept", "1 2 ,3", {"1 2 ", "3"}},
    {"QuotedFieldLosesItsQuotes", "\"4\",5", {"4", "5"}},
    {"QuotedFieldKeepsCommasAndLineEnds", "\"1,2\r\n3\",4", {"1,2\r\n3", "4"}},
    {"TextAfterClosingQuoteIsDropped", "\"12\"34,5", {"12", "5"}},
    {"QuoteInsideAPlainFieldIsText", "1\"2,3", {"1\"2", "3"}},
    {"BlanksBeforeAQuote", "  \"7\"", {"7"}},
    {"UnclosedQuoteEndsTheReading", "1,\"2,3\r\n4", {"1"}},
    {"NulBytesAreText", std::string("1\0,2", 4), {std::string("1\0", 2), "2"}},
    {"EmptyText", "", {}},
    {"OnlyBlanks", "   ", {}},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const FieldCase& c, std::ostream* out)
{
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldReaderTest, testing::ValuesIn(fieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldReader, MillionCommasGiveOneFieldEach)
{
    const std::string commas(1'000'000, ',');
    ttt::FieldReader reader(commas);
    std::size_t count = 0;
    while (const auto field = reader.next()) {
        ASSERT_TRUE(field->empty());
        ++count;
    }
    EXPECT_EQ(count, commas.size()); // the last comma ends the text, not another field
}

} // namespace
