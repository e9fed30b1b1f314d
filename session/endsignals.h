// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace ttt {

// Turns the signals that ask a program to end (SIGTERM when the desktop session
// ends, SIGINT from a terminal's Ctrl+C, SIGHUP when its terminal goes away) into
// a Qt signal delivered on the event loop, where the game can save and end
// properly. One instance at a time; once it is gone these signals are ignored.
class EndSignals : public QObject
{
    Q_OBJECT

public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

signals:
    void endRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace ttt
