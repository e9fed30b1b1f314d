// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>

#include <vector>

class QPainter;

namespace ttt {

// The strokes through the lines of a won game, in the coordinates of the widget that
// draws them. The board draws them between its squares and hands each square its own
// copy to draw over its picture.
struct WinningStrokes
{
    std::vector<QLineF> lines;
    qreal unit = 1; // one pixel of the board at its first size

    WinningStrokes translated(QPointF offset) const;
    void paint(QPainter& painter) const;
    bool operator==(const WinningStrokes&) const = default;
};

} // namespace ttt
