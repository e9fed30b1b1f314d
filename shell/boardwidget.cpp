// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardwidget.h"

#include "art/artwork.h"
#include "cellview.h"
#include "focusring.h"
#include "shell/windowlayout.h"
#include "winninglines.h"

#include <QApplication>
#include <QPainter>

#include <cmath>

namespace ttt {

BoardWidget::BoardWidget(const Artwork& artwork, QWidget* parent)
    : QWidget(parent), m_artwork(artwork)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Board"));
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
    m_winningLines = new WinningLines(this);
    m_winningLines->setGeometry(layout::board.rect().translated(-layout::board.rect().topLeft()));
    m_winningLines->hide();
    // The squares' numbers help while the keys reach the board: the board or one of
    // its squares has the focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        showNumbers(now && (now == this || isAncestorOf(now)));
    });
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
    // The picture leaves a one-pixel green edge at the first size, and as much more
    // as the board has grown.
    const int edge = static_cast<int>(std::lround(width() / qreal(layout::board.rect().width())));
    const QRect picture = rect().adjusted(edge, edge, -edge, -edge);
    painter.drawPixmap(
        picture, m_artwork.picture(Artwork::Picture::Board, picture.size(), devicePixelRatioF()));
    if (hasFocus())
        paintFocusRing(painter, rect());
}

void BoardWidget::mousePressEvent(QMouseEvent*)
{
    setFocus(Qt::MouseFocusReason);
}

void BoardWidget::showNumbers(bool shown)
{
    for (CellView* cell : m_cells)
        cell->setNumberShown(shown);
    update();
}

} // namespace ttt
