// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "situation.h"

#include <cstdint>

namespace ttt {

// Terms that must all hold, compiled into masks over a Situation: every bit of
// `required` must be set and no bit of `forbidden` may be set.
struct Clause
{
    std::uint64_t required = 0;
    std::uint64_t forbidden = 0;

    constexpr bool holds(const Situation& situation) const
    {
        const std::uint64_t word = situation.word();
        return (word & required) == required && (word & forbidden) == 0;
    }
};

} // namespace ttt
