// Placeholder drawings until the game's own artwork arrives.
#include "artwork.h"

#include <QPainter>

namespace ttt {

namespace {

QPixmap blankPixmap(QSize logical, qreal dpr, QColor fill)
{
    QPixmap pm(logical * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(fill);
    return pm;
}

} // namespace

QSize Artwork::logicalSize(Picture which)
{
    switch (which) {
    case Picture::Background: return {354, 374};
    case Picture::Title: return {175, 35};
    case Picture::Board: return {247, 247};
    case Picture::XWins:
    case Picture::OWins:
    case Picture::NoWin:
    case Picture::BlankResult: return {217, 41};
    case Picture::NewGameUp:
    case Picture::NewGameDown:
    case Picture::QuitUp:
    case Picture::QuitDown: return {22, 18};
    case Picture::About: return {506, 383};
    case Picture::Tips: return {300, 200};
    }
    return {};
}

QPixmap Artwork::card(int index, qreal dpr) const
{
    QPixmap pm = blankPixmap({CardSize, CardSize}, dpr, QColor::fromHsv((index - 1) / 3 * 30, 80, 230));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 6));
    const int kind = (index - 1) % 3;
    if (kind == 1) {
        p.drawLine(16, 16, 57, 57);
        p.drawLine(57, 16, 16, 57);
    } else if (kind == 2) {
        p.drawEllipse(QRect(16, 16, 41, 41));
    }
    return pm;
}

QPixmap Artwork::picture(Picture which, qreal dpr) const
{
    const QSize size = logicalSize(which);
    QPixmap pm = blankPixmap(size, dpr, QColor(63, 63, 224));
    QPainter p(&pm);
    p.setPen(Qt::white);
    switch (which) {
    case Picture::XWins: p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("X wins")); break;
    case Picture::OWins: p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("O wins")); break;
    case Picture::NoWin: p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("No winner")); break;
    case Picture::Board: pm.fill(QColor(104, 217, 95)); break;
    case Picture::NewGameDown:
    case Picture::QuitDown: pm.fill(Qt::darkGray); break;
    case Picture::NewGameUp: pm.fill(Qt::green); break;
    case Picture::QuitUp: pm.fill(Qt::red); break;
    default: break;
    }
    return pm;
}

QCursor Artwork::xCursor() const
{
    return QCursor(card(2, 1).scaled(32, 32));
}

QCursor Artwork::oCursor() const
{
    return QCursor(card(3, 1).scaled(32, 32));
}

QIcon Artwork::appIcon() const
{
    return QIcon(card(2, 1));
}

} // namespace ttt
