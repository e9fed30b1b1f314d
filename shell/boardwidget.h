// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

#include <QWidget>

#include <array>

namespace ttt {

class Artwork;
class CellView;
class WinningLines;

// The board: nine cells in keypad layout (7 8 9 on top) on the board picture, and
// the strokes of a won game over them. It takes the keyboard focus, so the digit
// keys reach the game; while it has it, the empty squares show their numbers.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWidget(const Artwork& artwork, QWidget* parent = nullptr);

    CellView* cell(int square) const { return m_cells[square - 1]; }
    WinningLines* winningLines() const { return m_winningLines; }

signals:
    void cellClicked(int square);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showNumbers(bool shown);

    const Artwork& m_artwork;
    std::array<CellView*, Board::squareCount> m_cells{};
    WinningLines* m_winningLines = nullptr;
};

} // namespace ttt
