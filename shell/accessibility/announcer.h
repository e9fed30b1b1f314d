// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ttt {

// Says something to the player's screen reader at once, whatever has the focus.
// Screen readers speak a notification when it appears, so each message is shown
// as a fresh notification that bears it as its name. Nothing of it is drawn.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // An empty message says nothing.
    void announce(const QString& message);
};

} // namespace ttt
