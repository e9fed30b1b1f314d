// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardview.h"

#include "shell/art/artwork.h"

#include <QMouseEvent>
#include <QPainter>

namespace ttt {

CardView::CardView(const Artwork& art, int index, QWidget* parent)
    : QWidget(parent), m_art(art), m_index(index)
{
    resize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize CardView::sizeHint() const
{
    return {Artwork::CardSize, Artwork::CardSize};
}

void CardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_art.card(m_index, size(), devicePixelRatioF()));
}

void CardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ttt
