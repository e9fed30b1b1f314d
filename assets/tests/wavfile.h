// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ttt::test {

// A RIFF wave file as far as the sound tests need it: the format fields and the
// 16-bit PCM samples, channels interleaved.
struct WavFile
{
    int formatTag = 0; // 1 is integer PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;

    double seconds() const;
    // Number of samples at the very limits of the 16-bit range.
    int clippedSamples() const;
};

// Reads `path`; on failure returns false and says why in `error`.
bool readWav(const std::string& path, WavFile& wav, std::string& error);

} // namespace ttt::test
