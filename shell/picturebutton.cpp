#include "picturebutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace ttt {

PictureButton::PictureButton(QPixmap up, QPixmap down, QWidget* parent)
    : QAbstractButton(parent), m_up(std::move(up)), m_down(std::move(down))
{
    setFocusPolicy(Qt::TabFocus);
}

QSize PictureButton::sizeHint() const
{
    return m_up.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), isDown() ? m_down : m_up);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace ttt
