// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace ttt {

// The largest window drawn, in device pixels a side: more than any screen shows,
// while its image (256 MB) can still be painted and held. At the device pixel
// ratio of an absurd scale factor a window of the game's size would outgrow it
// many times over, and its image could be neither allocated nor painted.
inline constexpr int DrawableEdge = 8192;

// The largest size of `window`, in its logical pixels, that stays within DrawableEdge.
QSize drawableSize(const QWidget* window);

// Where the inside of a window framed as `window` is can go, in logical pixels, for its
// frame to stay in the free area of its screen, with a few pixels to spare: before
// the window manager frames it, a frame of the style's title bar is reckoned with.
QRect roomOnScreen(const QWidget* window);

// Holds every window of the application, as it is shown, to the size that can be
// drawn; a window made larger than that loses what does not fit. Windows that fit
// are left alone.
class DrawableWindows : public QObject
{
    Q_OBJECT

public:
    // Watches the application's windows while it lives.
    explicit DrawableWindows(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ttt
