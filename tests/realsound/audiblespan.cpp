// SPDX-License-Identifier: GPL-3.0-or-later
#include "audiblespan.h"

#include <cstdlib>

namespace ttt::realsound {

AudibleSpan AudibleSpan::of(std::span<const std::int16_t> samples, int threshold)
{
    AudibleSpan span;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const int level = std::abs(int(samples[i]));
        if (level > span.peak)
            span.peak = level;
        if (level <= threshold)
            continue;
        if (!span.heard())
            span.first = std::ptrdiff_t(i);
        span.last = std::ptrdiff_t(i);
    }
    return span;
}

} // namespace ttt::realsound
