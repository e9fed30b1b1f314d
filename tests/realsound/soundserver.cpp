// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundserver.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace ttt::realsound {

namespace {

QString firstLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

} // namespace

SoundServer::SoundServer(const QString& stateDir)
{
    const QDir state(stateDir);
    if (stateDir.isEmpty() || !state.exists()) {
        m_problem = QStringLiteral("no server state folder; run start-server first");
        return;
    }
    if (state.exists(QStringLiteral("unavailable"))) {
        m_problem = firstLine(state.filePath(QStringLiteral("unavailable")));
        return;
    }
    m_address = firstLine(state.filePath(QStringLiteral("address")));
    if (m_address.isEmpty()) {
        m_problem = QStringLiteral("the server was not started (no address in %1)").arg(stateDir);
        return;
    }
    QProcess pactl;
    pactl.setProcessEnvironment([this] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PULSE_SERVER"), m_address);
        return environment;
    }());
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    if (!pactl.waitForFinished() || pactl.exitStatus() != QProcess::NormalExit ||
        pactl.exitCode() != 0)
        m_problem = QStringLiteral("the server at %1 does not answer: %2")
                        .arg(m_address, QString::fromLocal8Bit(pactl.readAllStandardError()));
}

void SoundServer::connectClients() const
{
    qputenv("PULSE_SERVER", m_address.toLocal8Bit());
}

} // namespace ttt::realsound
