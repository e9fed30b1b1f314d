// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ttt {

// What the game finds where it is started, before it picks its window system.
struct StartingDesktop
{
    QString qtPlatform;     // QT_QPA_PLATFORM: a platform the player chose
    QString waylandDisplay; // WAYLAND_DISPLAY: a Wayland desktop is running
    QString x11Display;     // DISPLAY: an X server (on Wayland, the desktop's XWayland)
    QStringList arguments;  // the command line, the program's name first
};

// The Qt platform the game asks for on `desktop`, or an empty string to leave the
// choice to Qt.
//
// Wayland gives a program no way to keep its window above the others, so on a
// Wayland desktop that also runs an X server for older programs the game prefers
// X11, where the desktop can honour Always on Top. Should that X server not answer,
// Qt falls back to Wayland. A platform the player chose, by QT_QPA_PLATFORM or
// -platform, always stands.
QString choosePlatform(const StartingDesktop& desktop);

// Reads this process's environment, and asks Qt for the platform choosePlatform()
// picks. Must run before the application object is made.
void preferPlatform(const QStringList& arguments);

} // namespace ttt
