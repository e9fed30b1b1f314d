// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellview.h"

#include "art/artwork.h"
#include "boardwidget.h"
#include "core/pictureset.h"
#include "focusring.h"
#include "scaledcanvas.h"
#include "shell/windowlayout.h"

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

void CellView::setCard(int card)
{
    if (card == m_card)
        return;
    m_card = card;
    update();
}

QPixmap CellView::picture(Artwork::Fit fit) const
{
    return m_artwork.card(m_card, size(), devicePixelRatioF(), fit);
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
    return m_numberShown && m_card != 0 && PictureSet::markShownBy(m_card) == Mark::Free;
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

bool CellView::isFlashing() const
{
    return m_flashStepsLeft > 0;
}

void CellView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), picture(ScaledCanvas::pictureFit(this)));
    if (m_markedAsLatest)
        paintLatestRing(painter);
    if (isNumberShown())
        paintNumber(painter);
    if (const auto* board = qobject_cast<const BoardWidget*>(parentWidget()))
        board->paintWinningLines(painter, pos());
    if (m_flashStepsLeft % 2 == 0 && m_flashStepsLeft > 0)
        painter.fillRect(rect(), QColor(255, 255, 255, 150));
    if (hasFocus())
        paintFocusRing(painter, rect());
}

// A soft glow just inside the square's edge: there, but quieter than the marks.
void CellView::paintLatestRing(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal unit = width() / 73.0;
    const QRectF inner = QRectF(rect()).adjusted(4 * unit, 4 * unit, -4 * unit, -4 * unit);
    painter.setPen(QPen(QColor(255, 240, 140, 90), 6 * unit));
    painter.drawRoundedRect(inner, 9 * unit, 9 * unit);
    painter.setPen(QPen(QColor(255, 236, 120, 230), 2 * unit));
    painter.drawRoundedRect(inner, 9 * unit, 9 * unit);
    painter.restore();
}

// The square's number, small and faint in the top left corner.
void CellView::paintNumber(QPainter& painter) const
{
    painter.save();
    QFont font = this->font();
    font.setPixelSize(qMax(8, height() / 6));
    painter.setFont(font);
    const QRect corner = rect().adjusted(height() / 9, height() / 14, 0, 0);
    const QString digit = QString::number(m_square);
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(corner.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, digit);
    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawText(corner, Qt::AlignLeft | Qt::AlignTop, digit);
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
