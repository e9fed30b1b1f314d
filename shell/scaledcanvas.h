// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "art/artwork.h"

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace ttt {

// A client area drawn up at one size that grows and shrinks with its window as a
// whole: every control keeps its place, size and font in proportion, by the one
// factor that fits the area without changing the drawing's shape. The drawing is
// centred; what is left over shows the area's own colour.
//
// While the area is dragged through sizes, its pictures are drawn scaled from a
// size drawn before; once the size has stayed put for a moment they are drawn
// afresh for it. At a device pixel ratio so large that the window could not be
// drawn at the first size (see DrawableWindows), the drawing starts smaller.
class ScaledCanvas : public QWidget
{
    Q_OBJECT

public:
    ScaledCanvas(QSize designSize, QWidget* parent = nullptr);

    // Takes the places and fonts of every control as they are now as the drawing at
    // factor 1, shown from the top left corner. Call it once, when the controls have
    // been built.
    void takeDesign();
    qreal scale() const { return m_scale; }
    // The factor of the canvas `widget` is drawn on, 1 outside any canvas.
    static qreal scaleOf(const QWidget* widget);
    // How closely the pictures of `widget` are to fit its size just now.
    static Artwork::Fit pictureFit(const QWidget* widget);
    bool isResizing() const { return m_resizing; }
    // The picture drawn at the first size under the controls, laid side by side outwards
    // from where the drawing sits: any band the window's shape leaves round the drawing
    // continues it without a seam. `artwork` must outlive the canvas.
    void setBackdrop(const Artwork* artwork, Artwork::Picture picture);

    QSize sizeHint() const override { return m_firstSize; }

    // How long the size stays put before a resize counts as settled, in milliseconds.
    static constexpr int SettleMilliseconds = 150;

signals:
    // The size has settled and the canvas is drawn for it.
    void settled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Placed
    {
        QPointer<QWidget> widget;
        QRect rect;
        qreal pointSize; // 0 where the font comes from the parent
    };

    static const ScaledCanvas* canvasOf(const QWidget* widget);
    void applyScale();
    void settle();
    void fitDrawableWindow();

    QSize m_designSize;
    QSize m_firstSize;
    std::vector<Placed> m_design;
    qreal m_pointSize = 0; // of the canvas's own font, which its controls inherit
    qreal m_scale = 1.0;
    QPoint m_origin;
    QTimer m_settling;
    bool m_resizing = false;
    const Artwork* m_artwork = nullptr;
    Artwork::Picture m_backdrop = Artwork::Picture::Background;
};

} // namespace ttt
