// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/layout/windowlayout.h"

#include <QCache>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace ttt {

// Every picture the game shows, drawn at the screen's scale so that it stays
// crisp at any device pixel ratio. Pictures are made on first use and cached.
class Artwork
{
public:
    enum class Picture {
        Background, // main window client area, 354 x 374
        Title,      // 175 x 35
        Board,      // 247 x 247
        XWins,      // outcome pictures, 217 x 41
        OWins,
        NoWin,
        BlankResult, // the empty outcome picture
        NewGameUp,   // picture-button faces, 22 x 18
        NewGameDown,
        QuitUp,
        QuitDown,
        About,
        Tips, // with the tips drawn in
    };

    static constexpr int SetPictureSize = layout::setPictureSize;

    // The cell picture `index`, numbered as PictureSet numbers them, SetPictureSize square
    // or at the size given: the drawings are vector art and stay crisp at any size.
    QPixmap pictureNumbered(int index, qreal devicePixelRatio) const;
    QPixmap pictureNumbered(int index, QSize logical, qreal devicePixelRatio) const;
    QPixmap picture(Picture which, qreal devicePixelRatio) const;
    QPixmap picture(Picture which, QSize logical, qreal devicePixelRatio) const;
    static QSize logicalSize(Picture which);

    // Pointers shown over the cells while X or O is about to be placed.
    QCursor xCursor() const;
    QCursor oCursor() const;
    // The window and notification icon.
    QIcon appIcon() const;

private:
    // The SVG at `path` drawn to fill `logical` at the given ratio, from the cache
    // when it was drawn before. A missing picture gives a null pixmap.
    QPixmap rendered(const QString& path, QSize logical, qreal devicePixelRatio) const;
    static QPixmap renderSvg(const QString& path, QSize logical, qreal devicePixelRatio);

    // Every size is drawn once; a window resized through many sizes lets the
    // least recently used ones go.
    mutable QCache<QString, QPixmap> m_cache{CacheKilobytes};
    static constexpr int CacheKilobytes = 96 * 1024;
};

} // namespace ttt
