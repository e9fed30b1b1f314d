// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QIcon;
class QSystemTrayIcon;

namespace ttt {

// The game's icon in the desktop's notification area. It only shows the tip
// "Tic Tac Toe": clicking it does nothing. Without a notification area the
// icon simply never appears.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    static QString tip();

    void add(const QIcon& icon);
    // Safe whether or not the icon was ever added.
    void remove();

private:
    QSystemTrayIcon* m_tray = nullptr;
};

} // namespace ttt
