// SPDX-License-Identifier: GPL-3.0-or-later
#include "winningstrokes.h"

#include <QPainter>

namespace ttt {

WinningStrokes WinningStrokes::translated(QPointF offset) const
{
    WinningStrokes moved = *this;
    for (QLineF& line : moved.lines)
        line.translate(offset);
    return moved;
}

// A violet stroke with round ends: more than twice as wide as the grid lines and unlike
// the board, its lines and every set's marks. A white band and a dark edge round it keep
// it clear on dark squares and pale ones alike.
void WinningStrokes::paint(QPainter& painter) const
{
    if (lines.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const auto pen = [this](QColor colour, qreal width) {
        return QPen(colour, width * unit, Qt::SolidLine, Qt::RoundCap);
    };
    for (const QLineF& stroke : lines) {
        painter.setPen(pen(QColor(16, 0, 40), 12));
        painter.drawLine(stroke);
        painter.setPen(pen(Qt::white, 10));
        painter.drawLine(stroke);
        painter.setPen(pen(QColor(127, 0, 255), 7));
        painter.drawLine(stroke);
    }
    painter.restore();
}

} // namespace ttt
