#include "wavefile.h"

#include "shell/sound/wave.h"

#include <QFile>
#include <QtEndian>

namespace ttt::realsound {

std::optional<WaveFile> WaveFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const auto data = std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size()));
    const std::optional<WaveLayout> layout = parseWave(data);
    if (!layout || layout->truncated || layout->format.formatTag != 1 ||
        layout->format.bitsPerSample != 16 || layout->format.channels < 1)
        return std::nullopt; // only whole 16-bit PCM files

    WaveFile wave;
    wave.m_sampleRate = layout->format.sampleRate;
    const int channels = layout->format.channels;
    const std::size_t frames = layout->dataSize / layout->format.bytesPerFrame();
    wave.m_samples.reserve(frames);
    const char* samples = bytes.constData() + layout->dataOffset;
    for (std::size_t frame = 0; frame < frames; ++frame) {
        int sum = 0;
        for (int channel = 0; channel < channels; ++channel)
            sum += qFromLittleEndian<std::int16_t>(samples + 2 * (frame * channels + channel));
        wave.m_samples.push_back(static_cast<std::int16_t>(sum / channels));
    }
    return wave;
}

} // namespace ttt::realsound
