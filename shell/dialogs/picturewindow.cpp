// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturewindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace ttt {

PictureWindow::PictureWindow(const Artwork& art, Artwork::Picture picture, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_art(art), m_picture(picture)
{
}

// The picture may have been drawn large: it goes as the window closes.
void PictureWindow::hideEvent(QHideEvent* event)
{
    m_art.letGo(m_picture);
    QWidget::hideEvent(event);
}

void PictureWindow::setScale(qreal scale)
{
    if (!m_firstSize.isValid())
        m_firstSize = size();
    m_scale = scale;
    setFixedSize((QSizeF(m_firstSize) * scale).toSize());
    update();
}

void PictureWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QSize shown = (QSizeF(Artwork::logicalSize(m_picture)) * m_scale).toSize();
    painter.drawPixmap(0, 0, m_art.picture(m_picture, shown, devicePixelRatioF()));
}

void PictureWindow::closeEvent(QCloseEvent* event)
{
    if (isVisible()) {
        hide();
        emit closed();
    }
    event->accept();
}

void PictureWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace ttt
