// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

#include <QWidget>

#include <array>

namespace ttt {

class Artwork;
class CellView;

// The board: nine cells in keypad layout (7 8 9 on top) on the board picture.
// It takes the keyboard focus, so the digit keys reach the game.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWidget(const Artwork& artwork, QWidget* parent = nullptr);

    CellView* cell(int square) const { return m_cells[square - 1]; }

signals:
    void cellClicked(int square);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Artwork& m_artwork;
    std::array<CellView*, Board::squareCount> m_cells{};
};

} // namespace ttt
