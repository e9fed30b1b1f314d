// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamestyle.h"

#include "scaledcanvas.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

#include <cmath>

namespace ttt {

namespace {

// Stands in for one of the base style's standard icons until it is first drawn
// or measured, then passes everything on to it.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which) : m_style(style), m_which(which)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("ttt-deferred"); }

private:
    const QIcon& icon()
    {
        if (!m_looked && m_style) {
            m_icon = m_style->standardIcon(m_which);
            m_looked = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_looked = false;
};

// An option's round mark, read the same way on the black panels and on the chooser's
// cyan: a pale ring between dark rims, which shows on any ground, round an empty centre
// where the ground shows through; the chosen option alone has a dot there, of the tone
// farthest from that ground (white on dark grounds, near black on pale ones).
void paintOptionMark(QPainter& painter, const QStyleOption& option)
{
    const QRectF box = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal side = qMin(box.width(), box.height());
    QRectF disc(0, 0, side, side);
    disc.moveCenter(box.center());
    const bool enabled = option.state & QStyle::State_Enabled;
    const QColor pale = enabled ? QColor(236, 236, 246) : QColor(150, 150, 160);
    const QColor dark(16, 16, 32);
    const qreal ring = qMax(1.0, side / 10);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal rim = 1.25 * ring; // half the width of the dark band under the ring
    const QRectF track = disc.adjusted(rim, rim, -rim, -rim);
    painter.setPen(QPen(dark, 2 * rim));
    painter.drawEllipse(track);
    painter.setPen(QPen(pale, ring));
    painter.drawEllipse(track);
    if (option.state & QStyle::State_On) {
        const bool darkGround = option.palette.color(QPalette::Window).lightnessF() < 0.5;
        const QColor dot = !enabled ? pale : darkGround ? QColor(255, 255, 255) : dark;
        painter.setPen(Qt::NoPen);
        painter.setBrush(dot);
        const qreal centre = side * 0.27;
        painter.drawEllipse(disc.adjusted(centre, centre, -centre, -centre));
    }
    painter.restore();
}

} // namespace

GameStyle::GameStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                              const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const
{
    if (element == PE_IndicatorRadioButton) {
        paintOptionMark(*painter, *option);
        return;
    }
    // The focus is shown by the game's own ring round the control (see FocusRing), so
    // the style marks it nowhere: no dotted frame, no tinted button border.
    if (element == PE_FrameFocusRect)
        return;
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
        QStyleOptionButton unfocused(*button);
        unfocused.state &= ~State_HasFocus;
        QProxyStyle::drawPrimitive(element, &unfocused, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int GameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
        return static_cast<int>(std::lround(base * ScaledCanvas::scaleOf(widget)));
    default:
        return base;
    }
}

void GameStyle::paintAsPanel(QWidget* panel)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

} // namespace ttt
