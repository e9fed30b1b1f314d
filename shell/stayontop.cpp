// SPDX-License-Identifier: GPL-3.0-or-later
#include "stayontop.h"

#include <QString>
#include <QWidget>
#include <QWindow>

namespace ttt {

bool StayOnTop::isAvailable(const QString& platformName)
{
    // Wayland gives programs no way to keep a window above the others: "wayland",
    // and "wayland-egl" and the like for its variants.
    return !platformName.startsWith(QLatin1String("wayland"));
}

bool StayOnTop::isOnTop(const QWidget* window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void StayOnTop::apply(QWidget* window, bool onTop)
{
    if (isOnTop(window) == onTop)
        return;
    const Qt::WindowFlags flags = window->windowFlags() ^ Qt::WindowStaysOnTopHint;
    QWindow* native = window->windowHandle();
    if (!native) {
        // No native window yet: the flag is simply taken along when it is made.
        window->setWindowFlags(flags);
        return;
    }
    // Changing a widget's flags would re-create its native window: a flicker and
    // a new taskbar entry. The existing window is asked to change its state
    // instead (on X11 the window manager's "above" state), and the widget only
    // records the new flags.
    window->overrideWindowFlags(flags);
    native->setFlags(flags);
}

} // namespace ttt
