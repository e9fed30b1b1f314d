// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QTimer;

namespace ttt {

// Says something to the player's screen reader at once, whatever has the focus.
// Screen readers speak a notification when it appears, so each message is shown
// as a fresh notification that bears it as its name. The announcer is a status bar
// that holds it: there a screen reader says the message alone, without first
// calling it a notification. Nothing of it is drawn.
//
// A screen reader speaks the window and the control that take the focus when a
// dialog or a menu closes, and that speech cuts off whatever was said just before.
// So news given while the window waits behind a dialog or under a menu is kept, and
// said once the window has the focus back and the reader has told where it is.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // An empty message says nothing.
    void announce(const QString& message);

private:
    bool canBeHeard() const;
    void sayWhenHeard();
    void say(const QString& message);

    QWidget* m_notice = nullptr;
    QString m_waiting;
    QTimer* m_settle = nullptr;
};

} // namespace ttt
