// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellview.h"

#include "art/artwork.h"
#include "shell/windowlayout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace ttt {

CellView::CellView(const Artwork& artwork, int square, QWidget* parent)
    : QWidget(parent), m_artwork(artwork), m_square(square)
{
    setObjectName(layout::numberedName(layout::squarePrefix, square));
    // Only Tab gives a square the focus: a click plays it and leaves the focus alone.
    setFocusPolicy(Qt::TabFocus);
}

void CellView::setCard(int card)
{
    if (card == m_card)
        return;
    m_card = card;
    update();
}

QPixmap CellView::picture() const
{
    return m_artwork.card(m_card, devicePixelRatioF());
}

void CellView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), picture());
}

void CellView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double-click is part of the first: the player meant
    // one move, not a second one on the square just taken.
    if (event->button() == Qt::LeftButton)
        m_inDoubleClick = true;
}

void CellView::mouseReleaseEvent(QMouseEvent* event)
{
    if (std::exchange(m_inDoubleClick, false))
        return;
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_square);
}

void CellView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A key held down plays once, as one press of the mouse does.
        if (!event->isAutoRepeat())
            press();
        break;
    default:
        QWidget::keyPressEvent(event); // the digits and the game's keys go on to the board
    }
}

} // namespace ttt
