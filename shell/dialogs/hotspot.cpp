// SPDX-License-Identifier: GPL-3.0-or-later
#include "hotspot.h"

#include <QMouseEvent>

namespace ttt {

Hotspot::Hotspot(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void Hotspot::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    event->accept();
}

} // namespace ttt
