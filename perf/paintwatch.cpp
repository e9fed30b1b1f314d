// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintwatch.h"

#include <QEvent>

namespace ttt::perf {

bool PaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        m_painted = true;
    return QObject::eventFilter(watched, event);
}

} // namespace ttt::perf
