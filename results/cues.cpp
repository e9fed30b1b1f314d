// SPDX-License-Identifier: GPL-3.0-or-later
#include "cues.h"

#include "core/randomsource.h"

#include <array>

namespace ttt {

namespace {

using namespace std::string_view_literals;

constexpr std::array greetingFiles{"start1.wav"sv, "start2.wav"sv, "start3.wav"sv};
constexpr std::array farewellFiles{"end1.wav"sv, "end2.wav"sv, "end3.wav"sv};
constexpr std::array humanWinsFiles{"xwin1.wav"sv, "xwin2.wav"sv, "xwin3.wav"sv};
constexpr std::array xWinsFiles{"x2win1.wav"sv, "x2win2.wav"sv, "x2win3.wav"sv};
constexpr std::array computerWinsFiles{"owin1.wav"sv, "owin2.wav"sv, "owin3.wav"sv};
constexpr std::array oWinsFiles{"o2win1.wav"sv, "o2win2.wav"sv, "o2win3.wav"sv};
constexpr std::array drawFiles{"nowin1.wav"sv, "nowin2.wav"sv, "nowin3.wav"sv};
constexpr std::array refusalFiles{"Error.wav"sv};
constexpr std::array levelChosenFiles{"brain.wav"sv};
constexpr std::array scoringFiles{"score.wav"sv};
constexpr std::array totalsClearedFiles{"Ahh.wav"sv};
constexpr std::array aboutFiles{"s-question.wav"sv};

} // namespace

std::span<const std::string_view> cueFiles(Cue cue)
{
    switch (cue) {
    case Cue::Greeting:
        return greetingFiles;
    case Cue::Farewell:
        return farewellFiles;
    case Cue::HumanWins:
        return humanWinsFiles;
    case Cue::XWins:
        return xWinsFiles;
    case Cue::ComputerWins:
        return computerWinsFiles;
    case Cue::OWins:
        return oWinsFiles;
    case Cue::Draw:
        return drawFiles;
    case Cue::Refusal:
        return refusalFiles;
    case Cue::LevelChosen:
        return levelChosenFiles;
    case Cue::ScoringSwitched:
        return scoringFiles;
    case Cue::TotalsCleared:
        return totalsClearedFiles;
    case Cue::AboutOpens:
        return aboutFiles;
    }
    return {};
}

std::string_view chooseCueFile(Cue cue, RandomSource& random)
{
    const auto files = cueFiles(cue);
    if (files.size() == 1)
        return files.front();
    random.reseed();
    return files[drawOneOf(random, static_cast<int>(files.size())) - 1];
}

} // namespace ttt
