// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingstext.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ttt::SettingsRecord;
using namespace std::string_literals;

SettingsRecord record(int difficulty, int firstMover, int players, int scoringOff, int soundOn,
                      int onTop, int firstPicture)
{
    return {difficulty, firstMover, players, scoringOff, soundOn, onTop, firstPicture};
}

struct ContentCase
{
    const char* name;
    std::string content; // what "options.ttt" holds before the default line is appended
    SettingsRecord expected;
};

class SettingsContentTest : public testing::TestWithParam<ContentCase>
{
};

TEST_P(SettingsContentTest, LoadsTheRecord)
{
    const ttt::ParsedSettings parsed = ttt::readSettingsContent(GetParam().content, true);
    EXPECT_EQ(parsed.record, GetParam().expected);
}

const ContentCase contentCases[] = {
    // The appended default line alone, and a first line that is whole.
    {"NoContentGivesDefaults", "", SettingsRecord{}},
    {"EveryOptionChanged", "4,2,2,1,0,1,34\r\n", record(4, 2, 2, 1, 0, 1, 34)},
    {"OnlyTheFirstRecordCounts", "1,1,1,0,0,0,1\r\n4,2,2,1,0,1,34\r\n",
     record(1, 1, 1, 0, 0, 0, 1)},
    {"LastLineWithoutLineEnd", "4,2,2,1,0,1,34", record(4, 2, 2, 1, 0, 1, 34)},
    {"LinuxLineEnds", "4,2,2,1,0,1,34\n", record(4, 2, 2, 1, 0, 1, 34)},
    // A short first line is completed from the appended default line: 2,2 then 3,1,1,0,1.
    {"ShortLineCompletedFromDefaultLine", "2,2\r\n", record(2, 2, 3, 1, 1, 0, 1)},
    {"ShortLineWithoutLineEnd", "2,2", record(2, 2, 3, 1, 1, 0, 1)},
    {"SeventhFieldFromTheDefaultLine", "4,2,2,1,0,1\r\n", record(4, 2, 2, 1, 0, 1, 4)},
    {"TrailingCommaAddsAnEmptyField", "4,2,2,1,0,1,\r\n", record(4, 2, 2, 1, 0, 1, 16)},
    // Difficulty: 1 to 4, else Hard.
    {"DifficultyZero", "0,1,1,0,1,0,16", SettingsRecord{}},
    {"DifficultyFive", "5,1,1,0,1,0,16", SettingsRecord{}},
    {"DifficultyNegative", "-1,1,1,0,1,0,16", SettingsRecord{}},
    {"DifficultyLetter", "x,1,1,0,1,0,16", SettingsRecord{}},
    {"DifficultyOne", "1,1,1,0,1,0,16", record(1, 1, 1, 0, 1, 0, 16)},
    // Picture set: 1 to 34 snaps to the set's first picture, else the sixth set.
    {"CardbaseZero", "3,1,1,0,1,0,0", SettingsRecord{}},
    {"CardbaseThirtyFive", "3,1,1,0,1,0,35", SettingsRecord{}},
    {"CardbaseLetter", "3,1,1,0,1,0,z", SettingsRecord{}},
    {"CardbaseThree", "3,1,1,0,1,0,3", record(3, 1, 1, 0, 1, 0, 4)},
    {"CardbaseThirtyThree", "3,1,1,0,1,0,33", record(3, 1, 1, 0, 1, 0, 34)},
    // Switches: kept as read; only 2 (first mover, players) or 1 (the rest) means on.
    {"SwitchesKeptAsRead", "3,0,3,2,5,-1,16", record(3, 0, 3, 2, 5, -1, 16)},
    {"NonNumbersReadAsZero", "3,a,b,c,d,e,16", record(3, 0, 0, 0, 0, 0, 16)},
    // Values beyond a 16-bit integer are out of range everywhere.
    {"SixteenBitLimitsKept", "3,-32768,32767,1,1,1,16", record(3, -32768, 32767, 1, 1, 1, 16)},
    {"BeyondSixteenBitsReadsOff", "65540,32768,-32769,65537,65537,65537,65538",
     record(3, 1, 1, 0, 0, 0, 16)},
    {"HexBeyondSixteenBits", "3,&H10002,1,0,&H10001,0,16", record(3, 1, 1, 0, 0, 0, 16)},
    {"InfiniteValues", "1E999,1E999,1E999,1E999,1E999,1E999,1E999", record(3, 1, 1, 0, 0, 0, 16)},
    // Fractions: difficulty keeps its whole part, firstPicture its set, switches read off.
    {"FractionalDifficulty", "2.9,1,1,0,1,0,16", record(2, 1, 1, 0, 1, 0, 16)},
    {"DifficultyJustBelowOne", "0.99,1,1,0,1,0,16", SettingsRecord{}},
    {"DifficultyJustAboveFour", "4.01,1,1,0,1,0,16", SettingsRecord{}},
    {"FractionalSwitchesReadOff", "3,2.5,1.9,1.5,0.5,1.0001,16", record(3, 1, 1, 0, 0, 0, 16)},
    {"WholeNumbersWrittenWithPointOrExponent", "3E0,2.0,0.2E1,1.,100E-2,+1,3.4E1",
     record(3, 2, 2, 1, 1, 1, 34)},
    {"FractionalCardbase", "3,1,1,0,1,0,5.99", record(3, 1, 1, 0, 1, 0, 4)},
    {"CardbaseBelowOne", "3,1,1,0,1,0,0.5", SettingsRecord{}},
    {"CardbaseJustAboveRange", "3,1,1,0,1,0,34.5", SettingsRecord{}},
    // Quoted fields, other number forms and blanks.
    {"QuotedFields", "\"4\",\"2\",\"2\",\"1\",\"0\",\"1\",\"34\"", record(4, 2, 2, 1, 0, 1, 34)},
    {"QuotedFieldWithComma", "\"4,9\",2,2,1,0,1,34", record(4, 2, 2, 1, 0, 1, 34)},
    {"HexAndOctal", "&H4,&O2,&h2,&o1,&H0,&H1,&H22", record(4, 2, 2, 1, 0, 1, 34)},
    {"Exponents", "0.4E1,2E0,20E-1,1E0,0E5,1e0,3.4e1", record(4, 2, 2, 1, 0, 1, 34)},
    {"Signs", "+4,+2,+2,+1,-0,+1,+34", record(4, 2, 2, 1, 0, 1, 34)},
    {"BlanksInsideNumbers", " 4 , 2,2 ,\t1, 0 ,1,3 4", record(4, 2, 2, 1, 0, 1, 34)},
    {"NulBytes",
     "4\0,2,2,1,0,1,\0"
     "34"s,
     record(4, 2, 2, 1, 0, 1, 16)},
    {"MillionCommas", std::string(1'000'000, ','), record(3, 0, 0, 0, 0, 0, 16)},
    // A UTF-8 byte-order mark, as some editors write, is no part of the first field.
    {"ByteOrderMarkSkipped",
     "\xEF\xBB\xBF"
     "4,2,2,1,0,1,34\r\n",
     record(4, 2, 2, 1, 0, 1, 34)},
    {"OnlyAByteOrderMark", "\xEF\xBB\xBF", SettingsRecord{}},
    {"ByteOrderMarkLaterIsText",
     "4,\xEF\xBB\xBF"
     "2,2,1,0,1,34",
     record(4, 0, 2, 1, 0, 1, 34)},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const ContentCase& c, std::ostream* out)
{
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsContentTest, testing::ValuesIn(contentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsContent, EveryCardbaseSnapsToTheFirstPictureOfItsSet)
{
    for (int value = 1; value <= 34; ++value) {
        const std::string content = "3,1,1,0,1,0," + std::to_string(value);
        const int firstPicture = ttt::readSettingsContent(content, true).record.firstPicture;
        EXPECT_EQ(firstPicture, value / 3 * 3 + 1) << "field " << value;
    }
}

TEST(SettingsContent, UnclosedQuoteLeavesTheRestAtTheirDefaults)
{
    const ttt::ParsedSettings parsed = ttt::readSettingsContent("4,2,\"2,1,0,1,34\r\n", true);
    EXPECT_EQ(parsed.record, record(4, 2, 1, 0, 1, 0, 16));
    EXPECT_EQ(parsed.unreadFields, 5u);
}

TEST(SettingsContent, ReadingTheWholeFileLeavesNothingUnread)
{
    EXPECT_EQ(ttt::readSettingsContent("2,2\r\n", true).unreadFields, 0u);
    EXPECT_EQ(ttt::readSettingsContent("", true).unreadFields, 0u);
}

TEST(SettingsContent, CutOffFileReadsOnlyFieldsThatEndBeforeTheCut)
{
    // The file goes on after "3": that field may be 34 or 3000, so it stays unread,
    // and no default line is appended in memory.
    const ttt::ParsedSettings parsed = ttt::readSettingsContent("4,2,2,1,0,1,3", false);
    EXPECT_EQ(parsed.record, record(4, 2, 2, 1, 0, 1, 16));
    EXPECT_EQ(parsed.unreadFields, 1u);
}

TEST(SettingsContent, CutOffInsideAQuoteLeavesThatFieldUnread)
{
    const ttt::ParsedSettings parsed = ttt::readSettingsContent("1,2,\"2,", false);
    EXPECT_EQ(parsed.record, record(1, 2, 1, 0, 1, 0, 16));
    EXPECT_EQ(parsed.unreadFields, 5u);
}

TEST(SettingsText, SavedLineIsSevenValuesCommasAndCrLf)
{
    EXPECT_EQ(ttt::settingsLine(SettingsRecord{}), "3,1,1,0,1,0,16\r\n");
    EXPECT_EQ(ttt::settingsLine(record(4, 2, 2, 1, -7, 1, 34)), "4,2,2,1,-7,1,34\r\n");
    EXPECT_EQ(ttt::pictureSetLine(16), "16\r\n");
}

} // namespace
