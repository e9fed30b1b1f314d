// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardwidget.h"

#include "art/artwork.h"
#include "cellview.h"
#include "focusring.h"
#include "game/keymap.h"
#include "scaledcanvas.h"
#include "shell/layout/windowlayout.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>
#include <utility>

namespace ttt {

BoardWidget::BoardWidget(const Artwork& artwork, QWidget* parent)
    : QWidget(parent), m_artwork(artwork)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Board"));
    FocusRing::setHidden(this, true); // until a game runs
    for (Square square : Board::squares) {
        const int row = 2 - (square - 1) / 3; // square 7 is on the top row
        const int column = (square - 1) % 3;
        auto* cell = new CellView(m_artwork, square, this);
        const auto& origins = layout::squareOrigins;
        cell->setGeometry(
            twipsRect(origins[column], origins[row], layout::squareTwips, layout::squareTwips));
        connect(cell, &CellView::clicked, this, &BoardWidget::cellClicked);
        m_cells[square - 1] = cell;
    }
    connect(qApp, &QApplication::focusChanged, this, &BoardWidget::showNumbers);
    // Tab walks the squares as they are read, the top row first.
    QWidget* previous = this;
    for (Square square : {7, 8, 9, 4, 5, 6, 1, 2, 3}) {
        setTabOrder(previous, cell(square));
        previous = cell(square);
    }
}

BoardWidget::~BoardWidget()
{
    // The squares go before the board does, and one of them may have the focus.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void BoardWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(104, 217, 95));
    // The picture leaves a one-pixel green edge at the first size, and as much more
    // as the board has grown.
    const int edge = static_cast<int>(std::lround(width() / qreal(layout::board.rect().width())));
    const QRect picture = rect().adjusted(edge, edge, -edge, -edge);
    painter.drawPixmap(picture,
                       m_artwork.picture(Artwork::Picture::Board, picture.size(),
                                         devicePixelRatioF(), ScaledCanvas::pictureFit(this)));
    placeStrokes(); // the squares have their places for this size by now
    m_strokes.paint(painter);
}

void BoardWidget::setPlaying(bool playing)
{
    if (std::exchange(m_playing, playing) == playing)
        return;
    FocusRing::setHidden(this, !playing);
    showNumbers();
}

void BoardWidget::setWinningLines(const std::vector<Line>& lines)
{
    if (lines == m_winningLines)
        return;
    m_winningLines = lines;
    placeStrokes();
}

// Each stroke runs from just before the first square's centre to just past the third's.
// The board draws it between the squares, and each square draws its own part over its
// picture.
void BoardWidget::placeStrokes()
{
    WinningStrokes strokes;
    strokes.unit = width() / qreal(layout::board.rect().width());
    const auto centre = [this](Square square) { return QRectF(cell(square)->geometry()).center(); };
    for (const Line& line : m_winningLines) {
        const QPointF from = centre(line[0]);
        const QPointF to = centre(line[2]);
        const QPointF reach = (to - from) * 0.22;
        strokes.lines.emplace_back(from - reach, to + reach);
    }
    if (strokes == m_strokes)
        return;
    m_strokes = strokes;
    update();
    for (CellView* cell : m_cells)
        cell->setWinningStrokes(strokes.translated(-cell->pos()));
}

bool BoardWidget::takeFocus(Qt::FocusReason reason)
{
    QWidget* focus = window()->focusWidget();
    if (focus == this || isAncestorOf(focus))
        return false;
    setFocus(reason);
    return true;
}

void BoardWidget::mousePressEvent(QMouseEvent*)
{
    setFocus(Qt::MouseFocusReason);
}

void BoardWidget::keyPressEvent(QKeyEvent* event)
{
    static const QHash<int, Step> steps{{Qt::Key_Up, Step::Up},
                                        {Qt::Key_Down, Step::Down},
                                        {Qt::Key_Left, Step::Left},
                                        {Qt::Key_Right, Step::Right}};
    const auto step = steps.constFind(event->key());
    if (step == steps.constEnd()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const auto* focused = qobject_cast<const CellView*>(focusWidget());
    const bool onSquare = focused && focused->parentWidget() == this;
    const int next = onSquare ? squareBeside(focused->square(), *step) : 5;
    if (onSquare && next == focused->square()) {
        // Nothing moves, so the screen reader would say nothing: the player hears why.
        emit edgeReached(tr("Board edge."));
        return;
    }
    cell(next)->setFocus(Qt::OtherFocusReason);
}

void BoardWidget::describe(const QString& position)
{
    // Set only when it changes: a screen reader hears of every new description.
    if (accessibleDescription() != position)
        setAccessibleDescription(position);
}

// The squares' numbers help while the keys reach the board during a game: the board
// or one of its squares has the focus.
void BoardWidget::showNumbers()
{
    const QWidget* focus = QApplication::focusWidget();
    const bool shown = m_playing && focus && (focus == this || isAncestorOf(focus));
    for (CellView* cell : m_cells)
        cell->setNumberShown(shown);
    update();
}

} // namespace ttt
