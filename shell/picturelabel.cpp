// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturelabel.h"

#include "scaledcanvas.h"

#include <QPainter>

namespace ttt {

PictureLabel::PictureLabel(const Artwork& artwork, Artwork::Picture picture, QWidget* parent)
    : QWidget(parent), m_artwork(artwork), m_picture(picture)
{
}

void PictureLabel::setPicture(Artwork::Picture picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    update();
}

void PictureLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_artwork.picture(m_picture, size(), devicePixelRatioF(),
                                                 ScaledCanvas::pictureFit(this)));
}

} // namespace ttt
