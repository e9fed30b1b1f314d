// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitorrecorder.h"

#include <QtEndian>

namespace ttt::realsound {

MonitorRecorder::MonitorRecorder(QObject* parent) : QObject(parent)
{
    connect(&m_parec, &QProcess::readyReadStandardOutput, this, &MonitorRecorder::readSamples);
}

MonitorRecorder::~MonitorRecorder()
{
    stop();
}

bool MonitorRecorder::start()
{
    m_parec.setProcessChannelMode(QProcess::SeparateChannels);
    m_parec.start(QStringLiteral("parec"),
                  {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                   QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(sampleRate),
                   QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
    if (!m_parec.waitForStarted()) {
        m_problem = m_parec.errorString();
        return false;
    }
    return true;
}

void MonitorRecorder::stop()
{
    if (m_parec.state() == QProcess::NotRunning)
        return;
    m_parec.terminate();
    if (!m_parec.waitForFinished())
        m_parec.kill();
    m_parec.waitForFinished();
}

std::span<const std::int16_t> MonitorRecorder::samplesFrom(std::size_t first) const
{
    if (first >= m_samples.size())
        return {};
    return std::span<const std::int16_t>(m_samples).subspan(first);
}

void MonitorRecorder::readSamples()
{
    m_pending += m_parec.readAllStandardOutput();
    const qsizetype whole = m_pending.size() / 2;
    for (qsizetype i = 0; i < whole; ++i)
        m_samples.push_back(qFromLittleEndian<std::int16_t>(m_pending.constData() + 2 * i));
    m_pending.remove(0, whole * 2);
}

} // namespace ttt::realsound
