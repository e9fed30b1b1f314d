// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebutton.h"

#include "scaledcanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
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
    painter.drawPixmap(rect(),
                       m_artwork.picture(isDown() ? m_down : m_up, size(), devicePixelRatioF(),
                                         ScaledCanvas::pictureFit(this)));
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || m_otherButtonHeld != Qt::NoButton) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    m_otherButtonHeld = event->button();
    setDown(true);
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != m_otherButtonHeld) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    m_otherButtonHeld = Qt::NoButton;
    setDown(false);
    event->accept();
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace ttt
