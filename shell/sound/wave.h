// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ttt {

struct WaveFormat
{
    int formatTag = 0; // 1: integer PCM; 0xFFFE: extensible, with the PCM subformat read into it
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;

    // What the game plays: 8- or 16-bit integer PCM, 1 to 8 channels, 1 Hz to 384 kHz.
    bool isPlayable() const;
    int bytesPerFrame() const { return channels * ((bitsPerSample + 7) / 8); }
};

// Where the samples of a RIFF wave file lie in its bytes.
struct WaveLayout
{
    WaveFormat format;
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0; // whole frames only
    // The data chunk claims more bytes than the file holds; dataSize is what is there.
    bool truncated = false;
};

// Reads the layout of the wave file in `bytes`: a "fmt " chunk, then a "data"
// chunk, anywhere among other chunks. Files of any origin are safe to hand in: a
// file that is not a wave file, or that has no format before its data, gives
// nothing (and the reason in `error`); one cut short gives the samples it holds.
std::optional<WaveLayout> parseWave(std::span<const unsigned char> bytes,
                                    std::string* error = nullptr);

// The bytes of the regular file at `path`, or nothing when it is not a regular file
// (a pipe or a device named like a sound file never holds up the reader), cannot
// be read, or is larger than `largest` bytes.
std::optional<std::vector<unsigned char>> readSmallFile(const std::string& path,
                                                        std::size_t largest);

} // namespace ttt
