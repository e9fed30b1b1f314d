#include "randomsource.h"

#include <chrono>

namespace ttt {

int drawOneOf(RandomSource& random, int n)
{
    const int pick = static_cast<int>(random.next() * n) + 1;
    return pick > n ? n : pick; // guards a source that returns 1.0 by mistake
}

ClockRandom::ClockRandom()
{
    reseed();
}

void ClockRandom::reseed()
{
    // The clock's full resolution: two moves within the same second still get
    // different draws.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32),
                       std::random_device{}()};
    m_engine.seed(seed);
}

double ClockRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

} // namespace ttt
