// SPDX-License-Identifier: GPL-3.0-or-later
#include "tipswindow.h"

#include "fonts.h"
#include "shell/art/artwork.h"
#include "shell/layout/windowlayout.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>

namespace ttt {

namespace {

// The tips, one paragraph each: written on the card and read out by screen readers.
const char* const Tips[] = {
    QT_TRANSLATE_NOOP("TipsWindow",
                      "Keys 1 to 9 play the squares, laid out like the number keypad."),
    QT_TRANSLATE_NOOP("TipsWindow", "P or space starts a new game."),
    QT_TRANSLATE_NOOP("TipsWindow", "Take the centre square early."),
    QT_TRANSLATE_NOOP("TipsWindow", "Block two in a row at once."),
    QT_TRANSLATE_NOOP("TipsWindow", "Fork: make two threats at once."),
    QT_TRANSLATE_NOOP("TipsWindow", "S quits at once, unsaved."),
};

// Where the card has room for the words, in its own 300 by 200 units: above the X and
// O drawn in its bottom right corner, left of the OK button and below the focus ring
// round it.
const QRectF HeadingRoom(20, 14, 200, 28);
const QRectF TipsRoom(34, 56, 252, 116);
constexpr qreal TipGap = 2;
constexpr int OkButtonPadding = 6; // room for the button's frame around its caption

} // namespace

QStringList TipsWindow::tips()
{
    QStringList translated;
    for (const char* tip : Tips)
        translated << QCoreApplication::translate("TipsWindow", tip);
    return translated;
}

TipsWindow::TipsWindow(const Artwork& art, QWidget* parent)
    : PictureWindow(art, Artwork::Picture::Tips, parent)
{
    setUpWindow();
    addButton();
}

void TipsWindow::setUpWindow()
{
    setObjectName(QLatin1String(layout::tipsWindow));
    setWindowTitle(tr("Tips - Tic Tac Toe"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(fromTwips(layout::tipsTwips));
    // Screen readers read the tips written on the card from here.
    setAccessibleDescription(tips().join(QLatin1Char(' ')));
}

void TipsWindow::addButton()
{
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QLatin1String(layout::okButton));
    ok->setGeometry(twipsRect(3480, 360, 495, 375));
    shrinkFontToFit(ok, ok->text(), ok->width() - OkButtonPadding);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

QFont TipsWindow::tipsFont() const
{
    // The largest size, up to the card's own, at which every tip fits.
    QFont body = font();
    body.setBold(false);
    for (int size = 13; size >= 7; --size) {
        body.setPixelSize(size);
        const QFontMetricsF metrics(body);
        qreal height = 0;
        for (const QString& tip : tips())
            height += metrics.boundingRect(TipsRoom, Qt::TextWordWrap, tip).height() + TipGap;
        if (height <= TipsRoom.height())
            break;
    }
    return body;
}

QRectF TipsWindow::textRoom()
{
    return TipsRoom;
}

// The card is a picture, the same in either direction of the window, and the tips on it
// run the way their language writes: a right-to-left window still puts a full stop at
// the end of its sentence.
void TipsWindow::prepare(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    painter.scale(width() / 300.0, height() / 200.0);
}

QList<QRectF> TipsWindow::tipPlaces(QPainter& painter) const
{
    const QFont body = tipsFont();
    painter.setFont(body);
    QList<QRectF> places;
    qreal top = TipsRoom.top();
    for (const QString& tip : tips()) {
        const QRectF room(TipsRoom.left(), top, TipsRoom.width(), TipsRoom.bottom() - top);
        places << painter.boundingRect(room, Qt::TextWordWrap, tip);
        top += places.last().height() + TipGap;
    }
    return places;
}

QList<QRectF> TipsWindow::tipPlaces() const
{
    QImage scratch(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    prepare(painter);
    return tipPlaces(painter);
}

void TipsWindow::paintEvent(QPaintEvent* event)
{
    PictureWindow::paintEvent(event);
    QPainter painter(this);
    prepare(painter);
    QFont heading = font();
    heading.setBold(true);
    heading.setPixelSize(20);
    painter.setFont(heading);
    painter.setPen(QColor(63, 63, 224));
    painter.drawText(HeadingRoom, Qt::AlignLeft | Qt::AlignVCenter, tr("Tips"));

    const QList<QRectF> places = tipPlaces(painter);
    const QFontMetricsF metrics(painter.font());
    const QStringList written = tips();
    for (qsizetype i = 0; i < places.size(); ++i) {
        const QRectF& place = places[i];
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(104, 168, 74));
        painter.drawEllipse(QPointF(24, place.top() + metrics.ascent() * 0.6), 2.5, 2.5);
        painter.setPen(QColor(32, 32, 64));
        painter.drawText(QRectF(place.topLeft(), QSizeF(TipsRoom.width(), place.height())),
                         Qt::TextWordWrap, written[i]);
    }
}

} // namespace ttt
