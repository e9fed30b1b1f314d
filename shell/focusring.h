// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QRectF;

namespace ttt {

// The ring around the control that has the keyboard focus: a bright band two pixels
// wide, edged in dark so that it stands out on the blue window, the black panels and
// every picture set alike.
void paintFocusRing(QPainter& painter, const QRectF& rect);

} // namespace ttt
