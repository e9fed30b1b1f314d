// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ttt {

// The one random source of the game: computer squares and the choice among a
// cue's sound files both draw from it. Injected so that tests can fix the draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Called at the start of every move that gets past the idle test, and before
    // every random choice of a sound file.
    virtual void reseed() = 0;
    // A draw r with 0 <= r < 1.
    virtual double next() = 0;
};

// A choice among n things: the whole part of r * n, plus 1.
inline int drawOneOf(RandomSource& random, int n)
{
    const int pick = static_cast<int>(random.next() * n) + 1;
    return pick > n ? n : pick; // guards a source that returns 1.0 by mistake
}

} // namespace ttt
