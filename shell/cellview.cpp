// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellview.h"

#include "art/artwork.h"
#include "core/pictureset.h"
#include "scaledcanvas.h"
#include "shell/layout/windowlayout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

namespace ttt {

namespace {

// Three flashes, on and off, in a little over half a second.
constexpr int FlashSteps = 6;
constexpr int FlashStepMilliseconds = 90;

} // namespace

CellView::CellView(const Artwork& artwork, int square, QWidget* parent)
    : QWidget(parent), m_artwork(artwork), m_square(square)
{
    setObjectName(layout::numberedName(layout::squarePrefix, square));
    // Only Tab gives a square the focus: a click plays it and leaves the focus alone.
    setFocusPolicy(Qt::TabFocus);
}

void CellView::setPictureNumber(int number)
{
    if (number == m_pictureNumber)
        return;
    m_pictureNumber = number;
    update();
}

QPixmap CellView::picture(Artwork::Fit fit) const
{
    return m_artwork.pictureNumbered(m_pictureNumber, size(), devicePixelRatioF(), fit);
}

void CellView::setMarkedAsLatest(bool marked)
{
    if (std::exchange(m_markedAsLatest, marked) != marked)
        update();
}

void CellView::setNumberShown(bool shown)
{
    if (std::exchange(m_numberShown, shown) != shown)
        update();
}

bool CellView::isNumberShown() const
{
    return m_numberShown && m_pictureNumber != 0 &&
           PictureSet::markShownBy(m_pictureNumber) == Mark::Free;
}

void CellView::flash()
{
    if (!m_flash) {
        m_flash = new QTimer(this);
        m_flash->setInterval(FlashStepMilliseconds);
        connect(m_flash, &QTimer::timeout, this, [this] {
            if (--m_flashStepsLeft <= 0)
                m_flash->stop();
            update();
        });
    }
    m_flashStepsLeft = FlashSteps;
    m_flash->start();
    update();
}

void CellView::setWinningStrokes(const WinningStrokes& strokes)
{
    m_strokes = strokes;
    update();
}

void CellView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), picture(ScaledCanvas::pictureFit(this)));
    if (m_markedAsLatest)
        paintLatestRing(painter);
    if (isNumberShown())
        paintNumber(painter);
    m_strokes.paint(painter);
    if (m_flashStepsLeft % 2 == 0 && m_flashStepsLeft > 0) {
        // The square's colours turn over: plain on pale squares and dark ones alike.
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.fillRect(rect(), Qt::white);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

// A glow just inside the square's edge: a coral band on a dark one, so that it shows
// on pale squares and dark ones, quieter than the marks for staying near the edge. Its
// rounded corners and red-orange hue keep it apart from the square-cornered yellow
// focus ring outside the square.
void CellView::paintLatestRing(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal unit = width() / 73.0;
    const QRectF inner = QRectF(rect()).adjusted(5 * unit, 5 * unit, -5 * unit, -5 * unit);
    painter.setPen(QPen(QColor(30, 16, 0, 190), 6 * unit));
    painter.drawRoundedRect(inner, 9 * unit, 9 * unit);
    painter.setPen(QPen(CellView::latestGlowColour, 3 * unit));
    painter.drawRoundedRect(inner, 9 * unit, 9 * unit);
    painter.restore();
}

// The square's number in the top left corner, white on a small dark tile so that it
// reads on every set.
void CellView::paintNumber(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = this->font();
    font.setPixelSize(qMax(8, height() / 6));
    painter.setFont(font);
    const QString digit = QString::number(m_square);
    const QFontMetrics metrics(font);
    const int pad = qMax(2, height() / 36);
    QRect tile(QPoint(height() / 12, height() / 12),
               QSize(metrics.horizontalAdvance(digit) + 2 * pad, metrics.height()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawRoundedRect(tile, pad, pad);
    painter.setPen(QColor(255, 255, 255, 230));
    painter.drawText(tile, Qt::AlignCenter, digit);
    painter.restore();
}

void CellView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double-click is part of the first: the player meant
    // one move, not a second one on the square just taken.
    if (event->button() == Qt::LeftButton)
        m_inDoubleClick = true;
}

void CellView::mouseReleaseEvent(QMouseEvent* event)
{
    if (std::exchange(m_inDoubleClick, false))
        return;
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_square);
}

void CellView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A key held down plays once, as one press of the mouse does.
        if (!event->isAutoRepeat())
            press();
        break;
    default:
        QWidget::keyPressEvent(event); // the digits and the game's keys go on to the board
    }
}

} // namespace ttt
