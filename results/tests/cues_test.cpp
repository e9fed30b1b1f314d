// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tests/scriptedrandom.h"
#include "results/cues.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ttt {
namespace {

// A random source whose next draw is r.
test::ScriptedRandom drawing(double r)
{
    test::ScriptedRandom random;
    random.script = {r};
    return random;
}

TEST(Cues, EachCueNamesItsFiles)
{
    struct Case
    {
        Cue cue;
        std::set<std::string> files;
    };
    const Case cases[] = {
        {Cue::Greeting, {"start1.wav", "start2.wav", "start3.wav"}},
        {Cue::Farewell, {"end1.wav", "end2.wav", "end3.wav"}},
        {Cue::HumanWins, {"xwin1.wav", "xwin2.wav", "xwin3.wav"}},
        {Cue::XWins, {"x2win1.wav", "x2win2.wav", "x2win3.wav"}},
        {Cue::ComputerWins, {"owin1.wav", "owin2.wav", "owin3.wav"}},
        {Cue::OWins, {"o2win1.wav", "o2win2.wav", "o2win3.wav"}},
        {Cue::Draw, {"nowin1.wav", "nowin2.wav", "nowin3.wav"}},
        {Cue::Refusal, {"Error.wav"}},
        {Cue::LevelChosen, {"brain.wav"}},
        {Cue::ScoringSwitched, {"score.wav"}},
        {Cue::TotalsCleared, {"Ahh.wav"}},
        {Cue::AboutOpens, {"s-question.wav"}},
    };
    for (const Case& c : cases) {
        std::set<std::string> chosen;
        for (double r : {0.0, 0.34, 0.67, 0.999}) {
            test::ScriptedRandom random = drawing(r);
            chosen.emplace(chooseCueFile(c.cue, random));
        }
        EXPECT_EQ(chosen, c.files);
    }
}

TEST(Cues, ThirdsOfTheDrawPickTheFiles)
{
    const std::pair<double, const char*> picks[] = {{0.0, "nowin1.wav"},   {0.333, "nowin1.wav"},
                                                    {0.334, "nowin2.wav"}, {0.666, "nowin2.wav"},
                                                    {0.667, "nowin3.wav"}, {0.9999, "nowin3.wav"}};
    for (const auto& [r, file] : picks) {
        test::ScriptedRandom random = drawing(r);
        EXPECT_EQ(chooseCueFile(Cue::Draw, random), file) << r;
        EXPECT_EQ(random.reseeds, 1);
    }
}

TEST(Cues, OneFileCueDrawsNothing)
{
    test::ScriptedRandom random = drawing(0.5);
    EXPECT_EQ(chooseCueFile(Cue::Refusal, random), "Error.wav");
    EXPECT_EQ(random.reseeds, 0);
}

} // namespace
} // namespace ttt
