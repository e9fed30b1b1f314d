// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefile.h"

#include "shell/sound/wave.h"

#include <QtEndian>

namespace ttt::realsound {

namespace {

constexpr std::size_t largestFile = 64 * 1024 * 1024;

} // namespace

std::optional<WaveFile> WaveFile::load(const QString& path)
{
    const auto bytes = readSmallFile(path.toStdString(), largestFile);
    if (!bytes)
        return std::nullopt;
    const std::optional<WaveLayout> layout = parseWave(*bytes);
    if (!layout || layout->truncated || layout->format.formatTag != 1 ||
        layout->format.bitsPerSample != 16 || layout->format.channels < 1)
        return std::nullopt; // only whole 16-bit PCM files

    WaveFile wave;
    wave.m_sampleRate = layout->format.sampleRate;
    const int channels = layout->format.channels;
    const std::size_t frames = layout->dataSize / layout->format.bytesPerFrame();
    wave.m_samples.reserve(frames);
    const auto* samples = reinterpret_cast<const char*>(bytes->data() + layout->dataOffset);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        int sum = 0;
        for (int channel = 0; channel < channels; ++channel)
            sum += qFromLittleEndian<std::int16_t>(samples + 2 * (frame * channels + channel));
        wave.m_samples.push_back(static_cast<std::int16_t>(sum / channels));
    }
    return wave;
}

} // namespace ttt::realsound
