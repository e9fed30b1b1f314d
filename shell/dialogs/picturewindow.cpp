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

void PictureWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_art.picture(m_picture, devicePixelRatioF()));
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
