// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "core/randomsource.h"

#include <deque>
#include <initializer_list>

namespace ttt::test {

// A random source that plays back a script of raw draws, or of squares; an empty
// script draws 0 (square 1).
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
    // Queues draws that give these squares when a square is drawn.
    void queueSquares(std::initializer_list<Square> squares)
    {
        for (Square square : squares)
            script.push_back((square - 0.5) / Board::squareCount);
    }

    std::deque<double> script;
    int reseeds = 0;
    int draws = 0;
};

} // namespace ttt::test
