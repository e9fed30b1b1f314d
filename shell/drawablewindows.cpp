// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawablewindows.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace ttt {

QSize drawableSize(const QWidget* window)
{
    const int most = qMax(1, int(DrawableEdge / window->devicePixelRatioF()));
    return {most, most};
}

QRect roomOnScreen(const QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return QRect(QPoint(), drawableSize(window));
    const QWindow* handle = window->windowHandle();
    QMargins frame = handle ? handle->frameMargins() : QMargins();
    if (frame.isNull())
        frame.setTop(window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    constexpr int Spare = 4;
    return screen->availableGeometry().marginsRemoved(frame + Spare);
}

DrawableWindows::DrawableWindows(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool DrawableWindows::eventFilter(QObject* watched, QEvent* event)
{
    // A window is shown before the window system maps it and before it is painted.
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow())
        return false;
    const QSize most = drawableSize(window);
    if (window->maximumWidth() > most.width() || window->maximumHeight() > most.height()) {
        window->setMinimumSize(window->minimumSize().boundedTo(most));
        window->setMaximumSize(window->maximumSize().boundedTo(most));
    }
    return false;
}

} // namespace ttt
