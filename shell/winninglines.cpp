// SPDX-License-Identifier: GPL-3.0-or-later
#include "winninglines.h"

#include "boardwidget.h"
#include "cellview.h"

#include <QPainter>

namespace ttt {

WinningLines::WinningLines(BoardWidget* board) : QWidget(board), m_board(board)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void WinningLines::setLines(const std::vector<Line>& lines)
{
    if (lines == m_lines)
        return;
    m_lines = lines;
    setVisible(!m_lines.empty());
    update();
}

QPointF WinningLines::centre(Square square) const
{
    return QRectF(m_board->cell(square)->geometry()).center();
}

// A white stroke with round ends from just before the first square's centre to just
// past the third's, over a faint dark one so it shows on pale pictures too.
void WinningLines::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = width() / 249.0;
    for (const Line& line : m_lines) {
        const QPointF from = centre(line[0]);
        const QPointF to = centre(line[2]);
        const QPointF reach = (to - from) * 0.22;
        const QLineF stroke(from - reach, to + reach);
        painter.setPen(QPen(QColor(0, 0, 40, 90), 9 * unit, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(stroke);
        painter.setPen(QPen(QColor(255, 255, 255, 215), 5 * unit, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(stroke);
    }
}

} // namespace ttt
