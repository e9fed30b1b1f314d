// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/cues.h"

#include <string>
#include <vector>

namespace ttt::test {

// A cue sink that keeps the names of the files played, in order.
class RecordingCues : public CueSink
{
public:
    void play(std::string_view file) override { played.emplace_back(file); }
    std::vector<std::string> played;
};

} // namespace ttt::test
