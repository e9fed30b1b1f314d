// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ttt {

void afterFirstFrame(QWidget* window, std::function<void()> then, int fallbackMs)
{
    new detail::FirstFrameWatch(window, std::move(then), fallbackMs);
}

namespace detail {

FirstFrameWatch::FirstFrameWatch(QWidget* window, std::function<void()> then, int fallbackMs)
    : QObject(window), m_then(std::move(then))
{
    window->winId(); // the native window, whose expose events tell when it is on screen
    window->windowHandle()->installEventFilter(this);
    QTimer::singleShot(fallbackMs, this, &FirstFrameWatch::fire);
}

bool FirstFrameWatch::eventFilter(QObject* watched, QEvent* event)
{
    // The expose is seen before the window paints for it; the zero timer fires once
    // that frame is painted and flushed.
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
        QTimer::singleShot(0, this, &FirstFrameWatch::fire);
    return false;
}

void FirstFrameWatch::fire()
{
    if (!m_then)
        return;
    const auto then = std::exchange(m_then, nullptr);
    deleteLater();
    then();
}

} // namespace detail

} // namespace ttt
