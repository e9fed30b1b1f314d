// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;
class QWindow;

namespace ttt {

// Runs `then` once, right after `window` has put its first frame on the screen:
// the place for start-up work the player would otherwise wait for. A window that
// is never exposed (one started minimised) runs it after `fallbackMs` instead.
void afterFirstFrame(QWidget* window, std::function<void()> then, int fallbackMs = 1000);

namespace detail {

class FirstFrameWatch : public QObject
{
    Q_OBJECT

public:
    FirstFrameWatch(QWidget* window, std::function<void()> then, int fallbackMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fire();

    std::function<void()> m_then;
};

} // namespace detail

} // namespace ttt
