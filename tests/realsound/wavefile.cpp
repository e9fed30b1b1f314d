#include "wavefile.h"

#include <QFile>
#include <QtEndian>

namespace ttt::realsound {

namespace {

std::uint32_t word32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

std::uint16_t word16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint16_t>(bytes.constData() + at);
}

} // namespace

std::optional<WaveFile> WaveFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    WaveFile wave;
    int channels = 0;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = word32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            if (word16(bytes, body) != 1 || word16(bytes, body + 14) != 16)
                return std::nullopt; // only 16-bit PCM
            channels = word16(bytes, body + 2);
            wave.m_sampleRate = static_cast<int>(word32(bytes, body + 4));
        } else if (id == "data" && channels > 0) {
            const qsizetype frames = size / (2 * channels);
            wave.m_samples.reserve(static_cast<std::size_t>(frames));
            for (qsizetype frame = 0; frame < frames; ++frame) {
                int sum = 0;
                for (int channel = 0; channel < channels; ++channel)
                    sum += qFromLittleEndian<std::int16_t>(bytes.constData() + body +
                                                           2 * (frame * channels + channel));
                wave.m_samples.push_back(static_cast<std::int16_t>(sum / channels));
            }
            return wave;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace ttt::realsound
