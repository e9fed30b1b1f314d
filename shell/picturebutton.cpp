#include "picturebutton.h"

#include <QPainter>

namespace ttt {

PictureButton::PictureButton(const Artwork& artwork, Artwork::Picture up, Artwork::Picture down,
                             QWidget* parent)
    : QAbstractButton(parent), m_artwork(artwork), m_up(up), m_down(down)
{
    setFocusPolicy(Qt::TabFocus);
}

QSize PictureButton::sizeHint() const
{
    return Artwork::logicalSize(m_up);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_artwork.picture(isDown() ? m_down : m_up, devicePixelRatioF()));
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace ttt
