// SPDX-License-Identifier: GPL-3.0-or-later
#include "clockrandom.h"

#include <chrono>

namespace ttt {

ClockRandom::ClockRandom()
{
    reseed();
}

void ClockRandom::reseed()
{
    // The clock at full resolution, so two moves within one second still differ.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    m_engine.seed(seed);
}

double ClockRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

} // namespace ttt
