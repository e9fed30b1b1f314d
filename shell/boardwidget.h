// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "winningstrokes.h"

#include <QWidget>

#include <array>
#include <vector>

class QPainter;

namespace ttt {

class Artwork;
class CellView;

// The board: nine cells in keypad layout (7 8 9 on top) on the board picture, and
// the strokes through the lines of a won game, drawn by the board between the
// squares and by each square over its picture. It takes the keyboard focus, so the digit
// keys reach the game; while it has it during a game, the empty squares show their
// numbers. Between games it invites nothing: no numbers and no ring round the board.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWidget(const Artwork& artwork, QWidget* parent = nullptr);
    ~BoardWidget() override;

    CellView* cell(int square) const { return m_cells[square - 1]; }

    // Whether a game is running, so that the squares take moves.
    void setPlaying(bool playing);
    void setWinningLines(const std::vector<Line>& lines);
    // What a screen reader tells of the board when asked where the player is: the
    // whole position. A square tells only itself, so that it is heard in a few words.
    void describe(const QString& position);
    // Gives the board the keys, unless it or one of its squares has them already; true
    // when the focus moved.
    bool takeFocus(Qt::FocusReason reason);

signals:
    void cellClicked(int square);
    // An arrow key pushed the focus against the board's edge, where nothing moves; the
    // words for a player who cannot see why.
    void edgeReached(const QString& spoken);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The arrow keys move the focus between the squares; from the board itself
    // they go to the centre. At the board's edge they stay, and say so.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showNumbers();
    void placeStrokes();

    const Artwork& m_artwork;
    std::array<CellView*, Board::squareCount> m_cells{};
    std::vector<Line> m_winningLines;
    WinningStrokes m_strokes;
    bool m_playing = false;
};

} // namespace ttt
