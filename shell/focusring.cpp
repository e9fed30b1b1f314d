// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusring.h"

#include <QPainter>

namespace ttt {

void paintFocusRing(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // Pens centred on a half pixel fill whole pixels: the band covers the outer two
    // pixels of `rect`, the dark edge the pixel inside it.
    painter.setPen(QPen(QColor(255, 214, 10), 2.0));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(QColor(20, 20, 40, 200), 1.0));
    painter.drawRect(rect.adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
}

} // namespace ttt
