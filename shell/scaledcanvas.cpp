// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaledcanvas.h"

#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace ttt {

namespace {

// Edges are scaled and rounded, not sizes: controls that touch at factor 1 still
// touch at any other.
int scaled(int value, qreal scale)
{
    return static_cast<int>(std::lround(value * scale));
}

QRect scaledRect(const QRect& rect, qreal scale, QPoint origin)
{
    const int left = scaled(rect.left(), scale);
    const int top = scaled(rect.top(), scale);
    const int right = scaled(rect.left() + rect.width(), scale);
    const int bottom = scaled(rect.top() + rect.height(), scale);
    return QRect(left, top, right - left, bottom - top).translated(origin);
}

} // namespace

ScaledCanvas::ScaledCanvas(QSize designSize, QWidget* parent)
    : QWidget(parent), m_designSize(designSize)
{
    setMinimumSize(designSize);
}

void ScaledCanvas::takeDesign()
{
    m_design.clear();
    m_pointSize = font().pointSizeF();
    for (QWidget* widget : findChildren<QWidget*>()) {
        const qreal pointSize =
            widget->testAttribute(Qt::WA_SetFont) ? widget->font().pointSizeF() : 0.0;
        m_design.push_back({widget, widget->geometry(), pointSize});
    }
    m_scale = 1.0;
    m_origin = QPoint(0, 0);
}

qreal ScaledCanvas::scaleOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const auto* canvas = qobject_cast<const ScaledCanvas*>(widget))
            return canvas->scale();
    }
    return 1.0;
}

void ScaledCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyScale();
}

void ScaledCanvas::applyScale()
{
    if (m_design.empty())
        return;
    const qreal scale =
        std::min(qreal(width()) / m_designSize.width(), qreal(height()) / m_designSize.height());
    const QPoint origin((width() - scaled(m_designSize.width(), scale)) / 2,
                        (height() - scaled(m_designSize.height(), scale)) / 2);
    // At the first size, as drawn, there is nothing to do.
    if (scale == m_scale && origin == m_origin)
        return;
    const bool newFonts = scale != m_scale;
    m_scale = scale;
    m_origin = origin;
    if (newFonts) {
        QFont canvasFont = font();
        canvasFont.setPointSizeF(m_pointSize * m_scale);
        setFont(canvasFont);
    }
    for (const Placed& placed : m_design) {
        if (!placed.widget)
            continue;
        const bool onCanvas = placed.widget->parentWidget() == this;
        placed.widget->setGeometry(
            scaledRect(placed.rect, m_scale, onCanvas ? origin : QPoint(0, 0)));
        if (newFonts && placed.pointSize > 0) {
            QFont font = placed.widget->font();
            font.setPointSizeF(placed.pointSize * m_scale);
            placed.widget->setFont(font);
        }
    }
}

} // namespace ttt
