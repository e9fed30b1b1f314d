// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QApplication>
#include <QTimer>

#include <utility>

namespace ttt {

namespace {

// Long enough for a screen reader to have told the window and the focused control that
// came back, short enough to follow the player's action.
constexpr int SettleMilliseconds = 400;

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent), m_notice(new QWidget(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    m_notice->hide();
}

void Announcer::announce(const QString& message)
{
    if (message.isEmpty())
        return;
    if (canBeHeard() && m_waiting.isEmpty()) {
        say(message);
        return;
    }
    m_waiting = m_waiting.isEmpty() ? message : m_waiting + QLatin1Char(' ') + message;
    sayWhenHeard();
}

bool Announcer::canBeHeard() const
{
    const QWidget* top = window();
    return top->isEnabled() && top->isActiveWindow() && !QApplication::activePopupWidget();
}

// Checked again until the window is back, and from the focus's last move on.
void Announcer::sayWhenHeard()
{
    if (!m_settle) {
        m_settle = new QTimer(this);
        m_settle->setSingleShot(true);
        m_settle->setInterval(SettleMilliseconds);
        connect(m_settle, &QTimer::timeout, this, [this] {
            if (canBeHeard())
                say(std::exchange(m_waiting, {}));
            else
                m_settle->start();
        });
        connect(qApp, &QApplication::focusChanged, this, [this] {
            if (!m_waiting.isEmpty())
                m_settle->start();
        });
    }
    m_settle->start();
}

void Announcer::say(const QString& message)
{
    // Hidden and shown again, so that a message equal to the last is heard too.
    m_notice->hide();
    m_notice->setAccessibleName(message);
    m_notice->show();
    lower();
}

} // namespace ttt
