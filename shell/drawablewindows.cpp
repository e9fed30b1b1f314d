// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawablewindows.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

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
    constexpr int Border = 4;
    QMargins frame(Border, Border, Border, Border);
    const QRect inside = window->geometry();
    const QRect outside = window->frameGeometry();
    if (outside != inside)
        frame += QMargins(inside.left() - outside.left(), inside.top() - outside.top(),
                          outside.right() - inside.right(), outside.bottom() - inside.bottom());
    else
        frame.setTop(Border + window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return screen->availableGeometry().marginsRemoved(frame);
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
