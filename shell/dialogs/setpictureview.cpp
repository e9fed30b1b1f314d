// SPDX-License-Identifier: GPL-3.0-or-later
#include "setpictureview.h"

#include "shell/art/artwork.h"

#include <QMouseEvent>
#include <QPainter>

namespace ttt {

SetPictureView::SetPictureView(const Artwork& art, int index, QWidget* parent)
    : QWidget(parent), m_art(art), m_index(index)
{
    resize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize SetPictureView::sizeHint() const
{
    return {Artwork::SetPictureSize, Artwork::SetPictureSize};
}

void SetPictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_art.pictureNumbered(m_index, size(), devicePixelRatioF()));
}

void SetPictureView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ttt
