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

// The chooser may have been open at a large size: its drawings go as it closes.
void SetPictureView::hideEvent(QHideEvent*)
{
    m_art.letGoNumbered(m_index);
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
