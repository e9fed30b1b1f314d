// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

namespace ttt {

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& message)
{
    if (message.isEmpty())
        return;
    // Hidden and shown again, so that a message equal to the last is heard too.
    hide();
    setAccessibleName(message);
    show();
    lower();
}

} // namespace ttt
