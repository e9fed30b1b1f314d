#include "stayontop.h"

#include <QWidget>

namespace ttt {

bool StayOnTop::isOnTop(const QWidget* window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void StayOnTop::apply(QWidget* window, bool onTop)
{
    if (isOnTop(window) == onTop)
        return;
    // Changing the flag re-creates the native window, which hides it.
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        window->show();
}

} // namespace ttt
