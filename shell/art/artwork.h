// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/layout/windowlayout.h"

#include <QCursor>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ttt {

// Every picture the game shows, drawn at the screen's scale so that it stays
// crisp at any device pixel ratio. Pictures are made on first use and kept, each
// at the size it was last drawn for: drawing one at a new size lets the old go.
class Artwork
{
public:
    // How closely a picture has to fit the size asked for.
    enum class Fit {
        Exact,   // drawn for that size, or found drawn for it before
        Nearest, // while a window changes size: the size drawn last, to be drawn scaled
    };

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
    QPixmap pictureNumbered(int index, QSize logical, qreal devicePixelRatio,
                            Fit fit = Fit::Exact) const;
    QPixmap picture(Picture which, qreal devicePixelRatio) const;
    QPixmap picture(Picture which, QSize logical, qreal devicePixelRatio,
                    Fit fit = Fit::Exact) const;
    static QSize logicalSize(Picture which);

    // Lets go of the drawing kept of `which`, or of the cell picture `index`, once the
    // window that showed it has gone: the next use draws it afresh.
    void letGo(Picture which) const;
    void letGoNumbered(int index) const;

    // Gives the memory of pictures let go back to the system, which the heap would
    // otherwise keep: for when a window has settled at a new size.
    static void returnFreedMemory();

    // Pointers shown over the cells while X or O is about to be placed.
    QCursor xCursor() const;
    QCursor oCursor() const;
    // The window and notification icon.
    QIcon appIcon() const;

    // A picture of `logical` at `devicePixelRatio` is drawn with at most this many
    // pixels (64 MB); one that would need more is drawn at a lower ratio, to be
    // scaled up where it is shown.
    static constexpr qint64 MostPixels = 4096 * 4096;

private:
    // The SVG at `path` drawn to fill `logical` at the given ratio, from the cache
    // when it was drawn before. A missing picture gives a null pixmap.
    QPixmap rendered(const QString& path, QSize logical, qreal devicePixelRatio,
                     Fit fit = Fit::Exact) const;
    static QPixmap renderSvg(const QString& path, QSize logical, qreal devicePixelRatio);

    struct Drawn
    {
        QSize logical;
        qreal devicePixelRatio;
        QPixmap pixmap;
    };
    // By the picture's path.
    mutable QHash<QString, Drawn> m_drawn;
};

} // namespace ttt
