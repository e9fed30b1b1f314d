// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardwidget.h"

#include "art/artwork.h"
#include "cellview.h"
#include "shell/windowlayout.h"

#include <QPainter>

namespace ttt {

BoardWidget::BoardWidget(const Artwork& artwork, QWidget* parent)
    : QWidget(parent), m_artwork(artwork)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Board"));
    setAccessibleDescription(tr("Keys 1 to 9 play the squares as on a numeric keypad"));
    for (Square square : Board::squares) {
        const int row = 2 - (square - 1) / 3; // square 7 is on the top row
        const int column = (square - 1) % 3;
        auto* cell = new CellView(m_artwork, square, this);
        const auto& origins = layout::squareOrigins;
        cell->setGeometry(
            twipsRect(origins[column], origins[row], layout::squareTwips, layout::squareTwips));
        connect(cell, &CellView::clicked, this, &BoardWidget::cellClicked);
        m_cells[square - 1] = cell;
    }
    // Tab walks the squares as they are read, the top row first.
    QWidget* previous = this;
    for (Square square : {7, 8, 9, 4, 5, 6, 1, 2, 3}) {
        setTabOrder(previous, cell(square));
        previous = cell(square);
    }
}

void BoardWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(104, 217, 95));
    painter.drawPixmap(QPoint(1, 1),
                       m_artwork.picture(Artwork::Picture::Board, devicePixelRatioF()));
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BoardWidget::mousePressEvent(QMouseEvent*)
{
    setFocus(Qt::MouseFocusReason);
}

} // namespace ttt
