// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace ttt {

// Puts a window into the band of windows kept above all others, or takes it
// out again, without hiding a window that is showing.
class StayOnTop
{
public:
    static void apply(QWidget* window, bool onTop);
    static bool isOnTop(const QWidget* window);
    // Whether windows shown through the Qt platform `platformName` (as
    // QGuiApplication::platformName() names it) can be kept above all others.
    static bool isAvailable(const QString& platformName);
};

} // namespace ttt
