// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QProcess>

#include <cstdint>
#include <span>
#include <vector>

namespace ttt::realsound {

// Records what the sound server's default sink plays, through its monitor source,
// as one channel of 16-bit samples at 44.1 kHz. An idle null sink keeps delivering
// zeros, so the recording grows with real time whether or not anything plays.
class MonitorRecorder : public QObject
{
    Q_OBJECT

public:
    static constexpr int sampleRate = 44100;

    explicit MonitorRecorder(QObject* parent = nullptr);
    ~MonitorRecorder() override;

    bool start();
    void stop();
    QString problem() const { return m_problem; }

    std::size_t sampleCount() const { return m_samples.size(); }
    // The samples recorded from the given sample on.
    std::span<const std::int16_t> samplesFrom(std::size_t first) const;

private:
    void readSamples();

    QProcess m_parec;
    QByteArray m_pending;
    std::vector<std::int16_t> m_samples;
    QString m_problem;
};

} // namespace ttt::realsound
