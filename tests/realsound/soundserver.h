// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ttt::realsound {

// The private sound server that start-server set up in a state folder: its
// address, or why there is none. Connecting makes this process's sound clients
// (the game's player and the recorder) use that server and nothing else.
class SoundServer
{
public:
    explicit SoundServer(const QString& stateDir);

    bool available() const { return m_problem.isEmpty(); }
    QString problem() const { return m_problem; }
    void connectClients() const;

private:
    QString m_address;
    QString m_problem;
};

} // namespace ttt::realsound
