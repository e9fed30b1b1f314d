// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaledcanvas.h"

#include "drawablewindows.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <utility>

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
    : QWidget(parent), m_designSize(designSize), m_firstSize(designSize)
{
    setMinimumSize(designSize);
    m_settling.setSingleShot(true);
    m_settling.setInterval(SettleMilliseconds);
    connect(&m_settling, &QTimer::timeout, this, &ScaledCanvas::settle);
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
    fitDrawableWindow();
}

const ScaledCanvas* ScaledCanvas::canvasOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const auto* canvas = qobject_cast<const ScaledCanvas*>(widget))
            return canvas;
    }
    return nullptr;
}

qreal ScaledCanvas::scaleOf(const QWidget* widget)
{
    const ScaledCanvas* canvas = canvasOf(widget);
    return canvas ? canvas->scale() : 1.0;
}

Artwork::Fit ScaledCanvas::pictureFit(const QWidget* widget)
{
    const ScaledCanvas* canvas = canvasOf(widget);
    return canvas && canvas->isResizing() ? Artwork::Fit::Nearest : Artwork::Fit::Exact;
}

void ScaledCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A resize on the heels of another is a drag: a single one, such as the window
    // being maximized, is drawn sharp at once.
    if (m_settling.isActive())
        m_resizing = true;
    m_settling.start();
    applyScale();
}

void ScaledCanvas::settle()
{
    if (std::exchange(m_resizing, false))
        repaint();
    emit settled();
}

void ScaledCanvas::fitDrawableWindow()
{
    QWidget* top = window();
    const QSize most = drawableSize(top).boundedTo(roomOnScreen(top).size());
    const int menuHeight = top->sizeHint().height() - sizeHint().height();
    const qreal fit = std::min({1.0, qreal(most.width()) / m_designSize.width(),
                                qreal(most.height() - menuHeight) / m_designSize.height()});
    m_firstSize = (QSizeF(m_designSize) * fit).toSize().expandedTo(QSize(1, 1));
    setMinimumSize(m_firstSize);
    updateGeometry();
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

void ScaledCanvas::setBackdrop(const Artwork* artwork, Artwork::Picture picture)
{
    m_artwork = artwork;
    m_backdrop = picture;
    update();
}

void ScaledCanvas::paintEvent(QPaintEvent*)
{
    if (!m_artwork)
        return;
    const QSize tile = (QSizeF(m_designSize) * m_scale).toSize();
    const QPixmap picture =
        m_artwork->picture(m_backdrop, tile, devicePixelRatioF(), pictureFit(this));
    if (picture.isNull())
        return;
    const QPoint drawing((width() - tile.width()) / 2, (height() - tile.height()) / 2);
    const QPointF offset((tile.width() - drawing.x() % tile.width()) % tile.width(),
                         (tile.height() - drawing.y() % tile.height()) % tile.height());
    QPainter painter(this);
    // During a drag the picture may be of a size drawn before, to be scaled to the tile.
    const QSizeF drawn = picture.deviceIndependentSize();
    if (drawn.toSize() != tile)
        painter.scale(tile.width() / drawn.width(), tile.height() / drawn.height());
    const QTransform back = painter.transform().inverted();
    painter.drawTiledPixmap(back.mapRect(QRectF(rect())), picture, back.map(offset));
}

} // namespace ttt
