// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturelabel.h"

#include "scaledcanvas.h"

#include <QFontMetrics>
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

void PictureLabel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void PictureLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_artwork.picture(m_picture, size(), devicePixelRatioF(),
                                                 ScaledCanvas::pictureFit(this)));
    if (m_caption.isEmpty())
        return;
    // Gold on the banner's dark band, between the marks at its ends, over a soft shadow;
    // a long word in some language is set smaller rather than cut.
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(qMax(1, height() * 13 / 24));
    const QRect room = rect().adjusted(width() * 19 / 100, 0, -width() * 19 / 100, 0);
    while (font.pixelSize() > 6 && QFontMetrics(font).horizontalAdvance(m_caption) > room.width())
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    // The words run the way their language writes, whatever the window's direction: a
    // right-to-left window still reads "X wins!", its mark at the end.
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    const int shadow = qMax(1, height() / 41);
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(room.translated(shadow, shadow), Qt::AlignCenter, m_caption);
    painter.setPen(QColor(255, 214, 74));
    painter.drawText(room, Qt::AlignCenter, m_caption);
}

} // namespace ttt
