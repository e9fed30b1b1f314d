// SPDX-License-Identifier: GPL-3.0-or-later
// Draws contact sheets of the game's pictures for looking them over and for the
// documentation: artsheet OUTPUT_DIR [DEVICE_PIXEL_RATIO]
// writes picture-sets.png (the twelve cell sets), window-pictures.png (all other
// pictures) and window-preview.png (the main window's pictures in place).
#include "core/pictureset.h"
#include "shell/art/artwork.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

using ttt::Artwork;
using ttt::Mark;
using ttt::PictureSet;

constexpr int Gap = 10;
constexpr int LabelHeight = 20;
constexpr int SetsPerRow = 4;
const QColor SheetColour(0x2a, 0x2a, 0x3a);

QImage blankSheet(QSize logical, qreal dpr)
{
    QImage sheet(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(SheetColour);
    return sheet;
}

void label(QPainter& p, QPoint at, const QString& text)
{
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    p.drawText(QRect(at, QSize(400, LabelHeight)), Qt::AlignLeft | Qt::AlignVCenter, text);
}

QImage setsSheet(const Artwork& art, qreal dpr)
{
    const int cell = Artwork::SetPictureSize;
    const int setWidth = 3 * cell + 2 * 4;
    const int rows = PictureSet::setCount / SetsPerRow;
    const QSize size(Gap + SetsPerRow * (setWidth + Gap), Gap + rows * (LabelHeight + cell + Gap));
    QImage sheet = blankSheet(size, dpr);
    QPainter p(&sheet);
    for (int set = 1; set <= PictureSet::setCount; ++set) {
        const int col = (set - 1) % SetsPerRow;
        const int row = (set - 1) / SetsPerRow;
        const QPoint origin(Gap + col * (setWidth + Gap), Gap + row * (LabelHeight + cell + Gap));
        label(p, origin,
              set == 6 ? QStringLiteral("Set 6 (default)") : QStringLiteral("Set %1").arg(set));
        for (const Mark kind : {Mark::Free, Mark::X, Mark::O})
            p.drawPixmap(origin + QPoint(static_cast<int>(kind) * (cell + 4), LabelHeight),
                         art.pictureNumbered(PictureSet::numbered(set).picture(kind), dpr));
    }
    return sheet;
}

QImage windowSheet(const Artwork& art, qreal dpr)
{
    using P = Artwork::Picture;
    const QList<QList<P>> rows = {
        {P::Background, P::Board, P::About},
        {P::Title, P::XWins, P::OWins, P::NoWin, P::BlankResult},
        {P::NewGameUp, P::NewGameDown, P::QuitUp, P::QuitDown, P::Tips},
    };
    QImage sheet = blankSheet({1180, 1000}, dpr);
    QPainter p(&sheet);
    int y = Gap;
    for (const QList<P>& row : rows) {
        int x = Gap;
        int height = 0;
        for (P which : row) {
            const QPixmap pm = art.picture(which, dpr);
            p.drawPixmap(QPoint(x, y), pm);
            x += Artwork::logicalSize(which).width() + Gap;
            height = qMax(height, Artwork::logicalSize(which).height());
        }
        y += height + Gap;
    }
    const QIcon icon = art.appIcon();
    int x = Gap;
    for (int s : {16, 24, 32, 48, 64, 128, 256}) {
        p.drawPixmap(QPoint(x, y), icon.pixmap(QSize(s, s), dpr));
        x += s + Gap;
    }
    p.drawPixmap(QPoint(x, y), art.xCursor().pixmap());
    p.drawPixmap(QPoint(x + 40, y), art.oCursor().pixmap());
    return sheet;
}

// The main window's pictures where the window places them, with the option
// frames sketched in, to judge how the pictures sit together.
QImage windowPreview(const Artwork& art, qreal dpr)
{
    using P = Artwork::Picture;
    QImage sheet = blankSheet(Artwork::logicalSize(P::Background), dpr);
    QPainter p(&sheet);
    p.drawPixmap(0, 0, art.picture(P::Background, dpr));
    p.drawPixmap(88, 8, art.picture(P::Title, dpr));
    p.drawPixmap(16, 16, art.picture(P::NewGameUp, dpr));
    p.drawPixmap(40, 16, art.picture(P::QuitDown, dpr));
    p.fillRect(QRect(8, 56, 249, 249), QColor(104, 217, 95));
    p.drawPixmap(9, 57, art.picture(P::Board, dpr));
    // The cells from the top left, row by row, in the set a first start shows.
    const Mark marks[] = {Mark::O,    Mark::Free, Mark::X, //
                          Mark::Free, Mark::X,    Mark::O, //
                          Mark::X,    Mark::Free, Mark::Free};
    for (int i = 0; i < 9; ++i)
        p.drawPixmap(9 + 8 + (i % 3) * 80, 57 + 8 + (i / 3) * 80,
                     art.pictureNumbered(PictureSet().picture(marks[i]), dpr));
    p.setPen(Qt::white);
    for (QRect frame : {QRect(264, 56, 84, 33), QRect(264, 96, 84, 73), QRect(264, 176, 84, 33),
                        QRect(264, 216, 84, 89)}) {
        p.fillRect(frame, Qt::black);
        p.drawRect(frame.adjusted(2, 6, -3, -3));
    }
    p.drawPixmap(64, 320, art.picture(P::XWins, dpr));
    return sheet;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [DEVICE_PIXEL_RATIO]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const qreal dpr = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    const Artwork art;
    const bool ok =
        setsSheet(art, dpr).save(out.filePath(QStringLiteral("picture-sets.png"))) &&
        windowSheet(art, dpr).save(out.filePath(QStringLiteral("window-pictures.png"))) &&
        windowPreview(art, dpr).save(out.filePath(QStringLiteral("window-preview.png")));
    if (!ok)
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
