// SPDX-License-Identifier: GPL-3.0-or-later
#include "cues.h"

#include "core/randomsource.h"

#include <array>

namespace ttt {

namespace {

using namespace std::string_view_literals;

constexpr std::array startFiles{"start1.wav"sv, "start2.wav"sv, "start3.wav"sv};
constexpr std::array endFiles{"end1.wav"sv, "end2.wav"sv, "end3.wav"sv};
constexpr std::array xwinFiles{"xwin1.wav"sv, "xwin2.wav"sv, "xwin3.wav"sv};
constexpr std::array x2winFiles{"x2win1.wav"sv, "x2win2.wav"sv, "x2win3.wav"sv};
constexpr std::array owinFiles{"owin1.wav"sv, "owin2.wav"sv, "owin3.wav"sv};
constexpr std::array o2winFiles{"o2win1.wav"sv, "o2win2.wav"sv, "o2win3.wav"sv};
constexpr std::array nowinFiles{"nowin1.wav"sv, "nowin2.wav"sv, "nowin3.wav"sv};
constexpr std::array errorFiles{"Error.wav"sv};
constexpr std::array brainFiles{"brain.wav"sv};
constexpr std::array scoreFiles{"score.wav"sv};
constexpr std::array ahhFiles{"Ahh.wav"sv};
constexpr std::array questionFiles{"s-question.wav"sv};

} // namespace

std::span<const std::string_view> cueFiles(Cue cue)
{
    switch (cue) {
    case Cue::Start:
        return startFiles;
    case Cue::End:
        return endFiles;
    case Cue::XWin:
        return xwinFiles;
    case Cue::X2Win:
        return x2winFiles;
    case Cue::OWin:
        return owinFiles;
    case Cue::O2Win:
        return o2winFiles;
    case Cue::NoWin:
        return nowinFiles;
    case Cue::Error:
        return errorFiles;
    case Cue::Brain:
        return brainFiles;
    case Cue::Score:
        return scoreFiles;
    case Cue::Ahh:
        return ahhFiles;
    case Cue::Question:
        return questionFiles;
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
