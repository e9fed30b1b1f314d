// SPDX-License-Identifier: GPL-3.0-or-later
#include "cueplayer.h"

#include "sound/soundsystemloader.h"

#include <QDebug>

namespace ttt {

namespace {

std::unique_ptr<SoundOutput> openPluginOutput()
{
    QString problem;
    auto output = openSoundOutput(defaultSoundSystemPath(), &problem);
    if (!output)
        qWarning().noquote() << "No sound:" << problem;
    return output;
}

} // namespace

CuePlayer::CuePlayer(SoundLocator locator, QObject* parent)
    : CuePlayer(std::move(locator), openPluginOutput, parent)
{
}

CuePlayer::CuePlayer(SoundLocator locator, OutputFactory openOutput, QObject* parent)
    : QObject(parent), m_locator(std::move(locator)), m_openOutput(std::move(openOutput))
{
}

CuePlayer::~CuePlayer() = default;

void CuePlayer::play(std::string_view file)
{
    const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
    m_lastSource = m_locator.locate(name);
    if (m_held)
        return; // the latest cue waits as m_lastSource
    if (m_lastSource.isEmpty()) {
        if (m_output)
            m_output->stop();
        return;
    }
    if (openOutput())
        m_output->play(m_lastSource);
}

void CuePlayer::holdSoundSystem()
{
    m_held = !m_output;
}

void CuePlayer::startSoundSystem()
{
    if (!m_held)
        return;
    m_held = false;
    if (!m_lastSource.isEmpty() && openOutput())
        m_output->play(m_lastSource);
}

bool CuePlayer::openOutput()
{
    if (!m_output && !m_failed) {
        m_output = m_openOutput();
        m_failed = !m_output;
    }
    return m_output != nullptr;
}

} // namespace ttt
