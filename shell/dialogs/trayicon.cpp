#include "trayicon.h"

#include <QSystemTrayIcon>

namespace ttt {

TrayIcon::TrayIcon(const QIcon& icon, QObject* parent) : QObject(parent), m_icon(icon) {}

TrayIcon::~TrayIcon()
{
    remove();
}

QString TrayIcon::tip()
{
    return tr("Tic Tac Toe");
}

void TrayIcon::add()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(m_icon, this);
        m_tray->setToolTip(tip());
    }
    m_tray->show();
}

void TrayIcon::remove()
{
    if (m_tray)
        m_tray->hide();
}

bool TrayIcon::isShown() const
{
    return m_tray && m_tray->isVisible();
}

} // namespace ttt
