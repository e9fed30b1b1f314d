// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusring.h"

#include "scaledcanvas.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include <cmath>

namespace ttt {

namespace {

constexpr const char* HiddenProperty = "tttFocusRingHidden";

// The bright band's width at the window's scale; the dark edge is half as wide.
int bandWidth(const QWidget* control)
{
    return qMax(2, static_cast<int>(std::lround(2 * ScaledCanvas::scaleOf(control))));
}

} // namespace

FocusRing::FocusRing(QWidget* window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { track(now); });
}

void FocusRing::follow(QWidget* window)
{
    auto* ring = new FocusRing(window);
    ring->track(QApplication::focusWidget());
}

void FocusRing::setHidden(QWidget* control, bool hidden)
{
    control->setProperty(HiddenProperty, hidden);
    if (auto* ring =
            control->window()->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly))
        ring->place();
}

int FocusRing::reach(const QWidget* control)
{
    const int band = bandWidth(control);
    return band + 2 * qMax(1, band / 2);
}

void FocusRing::track(QWidget* focus)
{
    watch(false);
    const bool mine = focus && focus != parentWidget() && focus->window() == parentWidget();
    m_control = mine ? focus : nullptr;
    watch(true);
    place();
}

// The control and every widget it lies in may move or change size as the window grows.
void FocusRing::watch(bool on)
{
    for (QWidget* widget = m_control; widget && widget != parentWidget();
         widget = widget->parentWidget())
        on ? widget->installEventFilter(this) : widget->removeEventFilter(this);
}

void FocusRing::place()
{
    if (!m_control || !m_control->isVisible() || m_control->property(HiddenProperty).toBool()) {
        hide();
        return;
    }
    const int out = reach(m_control);
    const QRect control(m_control->mapTo(parentWidget(), QPoint(0, 0)), m_control->size());
    setGeometry(control.adjusted(-out, -out, out, out));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        place();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    if (!m_control)
        return;
    const qreal band = bandWidth(m_control);
    const qreal edge = (reach(m_control) - band) / 2;
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    const QRectF outer(rect());
    const auto frame = [&](const QColor& colour, qreal width, qreal inset) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(outer.adjusted(inset, inset, -inset, -inset));
    };
    frame(edgeColour, edge, edge / 2);
    frame(bandColour, band, edge + band / 2);
    frame(edgeColour, edge, edge + band + edge / 2);
}

} // namespace ttt
