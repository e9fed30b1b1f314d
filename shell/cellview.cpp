#include "cellview.h"

#include <QMouseEvent>
#include <QPainter>

namespace ttt {

CellView::CellView(int square, QWidget* parent) : QWidget(parent), m_square(square)
{
    setObjectName(QStringLiteral("Img%1").arg(square));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellView::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void CellView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void CellView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_square);
}

} // namespace ttt
