#pragma once

#include <QRect>

namespace ttt {

// The window's layout is drawn up in twips, 15 to a logical pixel.
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

} // namespace ttt
