// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace ttt::realsound {

// The samples of a 16-bit PCM wave file, mixed down to one channel.
class WaveFile
{
public:
    static std::optional<WaveFile> load(const QString& path);

    int sampleRate() const { return m_sampleRate; }
    const std::vector<std::int16_t>& samples() const { return m_samples; }

private:
    int m_sampleRate = 0;
    std::vector<std::int16_t> m_samples;
};

} // namespace ttt::realsound
