// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ttt {

// Puts a window into the band of windows kept above all others, or takes it
// out again, without hiding a window that is showing.
class StayOnTop
{
public:
    static void apply(QWidget* window, bool onTop);
    static bool isOnTop(const QWidget* window);
};

} // namespace ttt
