#pragma once

#include "game/randomsource.h"
#include "results/cues.h"

#include <deque>
#include <string>
#include <vector>

namespace ttt::test {

// A random source that plays back a script of squares (1..9) or raw draws.
class ScriptedRandom : public RandomSource
{
public:
    void reseed() override { ++reseeds; }
    double next() override
    {
        ++draws;
        if (script.empty())
            return 0.0;
        const double r = script.front();
        script.pop_front();
        return r;
    }
    // Queues draws that give these squares when a square 1..9 is drawn.
    void queueSquares(std::initializer_list<int> squares)
    {
        for (int s : squares)
            script.push_back((s - 0.5) / 9.0);
    }

    std::deque<double> script;
    int reseeds = 0;
    int draws = 0;
};

class RecordingCues : public CueSink
{
public:
    void play(std::string_view file) override { played.emplace_back(file); }
    std::vector<std::string> played;
};

} // namespace ttt::test
