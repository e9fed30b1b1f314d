// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/randomsource.h"

#include <random>

namespace ttt {

// The real generator, seeded from the clock.
class ClockRandom : public RandomSource
{
public:
    ClockRandom();
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 m_engine;
};

} // namespace ttt
