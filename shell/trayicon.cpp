// SPDX-License-Identifier: GPL-3.0-or-later
#include "trayicon.h"

#include <QSystemTrayIcon>

namespace ttt {

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}

TrayIcon::~TrayIcon()
{
    remove();
}

QString TrayIcon::tip()
{
    return tr("Tic Tac Toe");
}

void TrayIcon::add(const QIcon& icon)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(this);
        m_tray->setToolTip(tip());
    }
    m_tray->setIcon(icon);
    m_tray->show();
}

void TrayIcon::remove()
{
    if (m_tray)
        m_tray->hide();
}

} // namespace ttt
