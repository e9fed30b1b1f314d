// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavfile.h"

#include "shell/sound/wave.h"

#include <algorithm>

namespace ttt::test {

namespace {

std::int16_t le16(const unsigned char* p)
{
    return std::int16_t(p[0] | (p[1] << 8));
}

} // namespace

double WavFile::seconds() const
{
    if (channels <= 0 || sampleRate <= 0)
        return 0;
    return double(samples.size()) / channels / sampleRate;
}

int WavFile::clippedSamples() const
{
    return int(std::count_if(samples.begin(), samples.end(),
                             [](std::int16_t s) { return s == 32767 || s == -32768; }));
}

bool readWav(const std::string& path, WavFile& wav, std::string& error)
{
    const auto bytes = readSmallFile(path, 64 * 1024 * 1024);
    if (!bytes) {
        error = "cannot read " + path;
        return false;
    }
    const std::optional<WaveLayout> layout = parseWave(*bytes, &error);
    if (!layout)
        return false;
    if (layout->truncated) {
        error = "the data chunk runs past the end of the file";
        return false;
    }
    wav.formatTag = layout->format.formatTag;
    wav.channels = layout->format.channels;
    wav.sampleRate = layout->format.sampleRate;
    wav.bitsPerSample = layout->format.bitsPerSample;
    wav.samples.clear();
    if (wav.bitsPerSample == 16) {
        wav.samples.resize(layout->dataSize / 2);
        for (std::size_t i = 0; i < wav.samples.size(); ++i)
            wav.samples[i] = le16(&(*bytes)[layout->dataOffset + 2 * i]);
    }
    return true;
}

} // namespace ttt::test
