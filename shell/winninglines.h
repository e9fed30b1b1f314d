// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

#include <QWidget>

#include <vector>

namespace ttt {

class BoardWidget;

// Drawn over the board's squares: a stroke through each line of three that won the
// game. It lets every click through to the squares below.
class WinningLines : public QWidget
{
    Q_OBJECT

public:
    explicit WinningLines(BoardWidget* board);

    void setLines(const std::vector<Line>& lines);
    const std::vector<Line>& lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF centre(Square square) const;

    BoardWidget* m_board;
    std::vector<Line> m_lines;
};

} // namespace ttt
