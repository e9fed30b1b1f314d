// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace ttt {

// The window layouts are drawn up in twips: 1440 to the inch, 15 to a pixel at
// normal screen scale. These turn them into logical pixels.
constexpr int fromTwips(int twips)
{
    return (twips + 7) / 15;
}

constexpr QSize fromTwips(QSize twips)
{
    return {fromTwips(twips.width()), fromTwips(twips.height())};
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

} // namespace ttt
