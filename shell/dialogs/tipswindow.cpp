// SPDX-License-Identifier: GPL-3.0-or-later
#include "tipswindow.h"

#include "shell/art/artwork.h"
#include "shell/layout/windowlayout.h"

#include <QCoreApplication>
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

// Where the card has room for the words, in its own 300 by 200 units.
const QRectF HeadingRoom(20, 14, 200, 28);
const QRectF TipsRoom(34, 50, 252, 140);
constexpr qreal TipGap = 2;

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

void TipsWindow::paintEvent(QPaintEvent* event)
{
    PictureWindow::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / 300.0, height() / 200.0);
    QFont heading = font();
    heading.setBold(true);
    heading.setPixelSize(20);
    painter.setFont(heading);
    painter.setPen(QColor(63, 63, 224));
    painter.drawText(HeadingRoom, Qt::AlignLeft | Qt::AlignVCenter, tr("Tips"));

    const QFont body = tipsFont();
    painter.setFont(body);
    const QFontMetricsF metrics(body);
    qreal top = TipsRoom.top();
    for (const QString& tip : tips()) {
        const QRectF room(TipsRoom.left(), top, TipsRoom.width(), TipsRoom.bottom() - top);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(104, 168, 74));
        painter.drawEllipse(QPointF(24, top + metrics.ascent() * 0.6), 2.5, 2.5);
        painter.setPen(QColor(32, 32, 64));
        const QRectF used = painter.boundingRect(room, Qt::TextWordWrap, tip);
        painter.drawText(room, Qt::TextWordWrap, tip);
        top += used.height() + TipGap;
    }
}

} // namespace ttt
