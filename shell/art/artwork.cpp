// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures are SVG drawings compiled into the program (see
// assets/pictures). Each is rendered on first use at the size and device pixel
// ratio it is asked for and kept while it is shown, so that a repaint costs a
// lookup.
#include "artwork.h"

#include "assets/assetpaths.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QtMath>

#include <cmath>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ttt {

namespace {

constexpr int CursorSize = 32;
// The window icon's sizes; the installed icon theme covers the larger ones, and every
// size here is rendered before the window first shows.
constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64};

QString pictureName(Artwork::Picture which)
{
    using P = Artwork::Picture;
    switch (which) {
    case P::Background:
        return QStringLiteral("background");
    case P::Title:
        return QStringLiteral("title");
    case P::Board:
        return QStringLiteral("board");
    case P::XWins:
        return QStringLiteral("xwins");
    case P::OWins:
        return QStringLiteral("owins");
    case P::NoWin:
        return QStringLiteral("nowin");
    case P::BlankResult:
        return QStringLiteral("blankresult");
    case P::NewGameUp:
        return QStringLiteral("newgame-up");
    case P::NewGameDown:
        return QStringLiteral("newgame-down");
    case P::QuitUp:
        return QStringLiteral("quit-up");
    case P::QuitDown:
        return QStringLiteral("quit-down");
    case P::About:
        return QStringLiteral("about");
    case P::Tips:
        return QStringLiteral("tips");
    }
    return {};
}

qreal screenRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

QSize Artwork::logicalSize(Picture which)
{
    switch (which) {
    case Picture::Background:
        return layout::backgroundPicture;
    case Picture::Title:
        return layout::titlePicture;
    case Picture::Board:
        return layout::boardPicture;
    case Picture::XWins:
    case Picture::OWins:
    case Picture::NoWin:
    case Picture::BlankResult:
        return layout::outcomePicture;
    case Picture::NewGameUp:
    case Picture::NewGameDown:
    case Picture::QuitUp:
    case Picture::QuitDown:
        return layout::buttonPicture;
    case Picture::About:
        return layout::aboutPicture;
    case Picture::Tips:
        return layout::tipsPicture;
    }
    return {};
}

QPixmap Artwork::pictureNumbered(int index, qreal devicePixelRatio) const
{
    return pictureNumbered(index, {SetPictureSize, SetPictureSize}, devicePixelRatio);
}

QPixmap Artwork::pictureNumbered(int index, QSize logical, qreal devicePixelRatio, Fit fit) const
{
    return rendered(assets::setPicturePath(index), logical, devicePixelRatio, fit);
}

QPixmap Artwork::picture(Picture which, qreal devicePixelRatio) const
{
    return picture(which, logicalSize(which), devicePixelRatio);
}

QPixmap Artwork::picture(Picture which, QSize logical, qreal devicePixelRatio, Fit fit) const
{
    return rendered(assets::picturePath(pictureName(which)), logical, devicePixelRatio, fit);
}

void Artwork::letGo(Picture which) const
{
    m_drawn.remove(assets::picturePath(pictureName(which)));
}

void Artwork::letGoNumbered(int index) const
{
    m_drawn.remove(assets::setPicturePath(index));
}

void Artwork::returnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

QCursor Artwork::xCursor() const
{
    return QCursor(rendered(assets::picturePath(QStringLiteral("cursor-x")),
                            {CursorSize, CursorSize}, screenRatio()));
}

QCursor Artwork::oCursor() const
{
    return QCursor(rendered(assets::picturePath(QStringLiteral("cursor-o")),
                            {CursorSize, CursorSize}, screenRatio()));
}

QIcon Artwork::appIcon() const
{
    // The icon keeps its own pixmaps.
    QIcon icon;
    for (int size : IconSizes)
        icon.addPixmap(renderSvg(assets::picturePath(QStringLiteral("icon")), {size, size}, 1.0));
    return icon;
}

QPixmap Artwork::rendered(const QString& path, QSize logical, qreal devicePixelRatio, Fit fit) const
{
    if (path.isEmpty() || logical.isEmpty() || devicePixelRatio <= 0)
        return {};
    const auto drawn = m_drawn.constFind(path);
    if (drawn != m_drawn.cend() &&
        ((drawn->logical == logical && drawn->devicePixelRatio == devicePixelRatio) ||
         fit == Fit::Nearest))
        return drawn->pixmap;
    // The size drawn before goes first, so that the two are never held together.
    m_drawn.remove(path);
    QPixmap pixmap = renderSvg(path, logical, devicePixelRatio);
    if (!pixmap.isNull())
        m_drawn.insert(path, {logical, devicePixelRatio, pixmap});
    return pixmap;
}

QPixmap Artwork::renderSvg(const QString& path, QSize logical, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const qreal pixels = logical.width() * devicePixelRatio * logical.height() * devicePixelRatio;
    if (pixels > MostPixels)
        devicePixelRatio *= std::sqrt(MostPixels / pixels);
    const QSize device(qCeil(logical.width() * devicePixelRatio),
                       qCeil(logical.height() * devicePixelRatio));
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), device));
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace ttt
