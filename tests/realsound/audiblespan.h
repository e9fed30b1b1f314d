// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace ttt::realsound {

// Where a stretch of samples is loud enough to be heard: from the first sample
// above the threshold to the last one. Quiet lead-in and tail do not count.
struct AudibleSpan
{
    // Roughly -40 dB below full scale: far above the exact zeros of an idle
    // null sink, far below the cues' speech.
    static constexpr int defaultThreshold = 330;

    std::ptrdiff_t first = -1;
    std::ptrdiff_t last = -1;
    int peak = 0;

    bool heard() const { return first >= 0; }
    double seconds(int sampleRate) const
    {
        return heard() ? double(last - first + 1) / sampleRate : 0.0;
    }

    static AudibleSpan of(std::span<const std::int16_t> samples, int threshold = defaultThreshold);
};

} // namespace ttt::realsound
