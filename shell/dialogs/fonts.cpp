// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontMetrics>
#include <QWidget>

namespace ttt {

namespace {

constexpr qreal SmallestPoints = 6.0;
constexpr qreal ShrinkStep = 0.25;

QString familyFor(QFont::StyleHint hint)
{
    switch (hint) {
    case QFont::Serif:
        return QStringLiteral("Serif");
    case QFont::TypeWriter:
        return QStringLiteral("Monospace");
    default:
        return QStringLiteral("Sans Serif");
    }
}

// Shrinks the widget's font a step at a time until its metrics say `fits`.
template <typename Fits> void shrinkUntil(QWidget* widget, const Fits& fits)
{
    QFont font = widget->font();
    while (!fits(QFontMetrics(font)) && font.pointSizeF() - ShrinkStep >= SmallestPoints)
        font.setPointSizeF(font.pointSizeF() - ShrinkStep);
    widget->setFont(font);
}

} // namespace

QFont dialogFont(QFont::StyleHint hint, qreal points, bool bold)
{
    QFont font(familyFor(hint));
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void shrinkFontToFit(QWidget* widget, const QString& text, int room)
{
    shrinkUntil(widget, [&](const QFontMetrics& metrics) {
        return metrics.horizontalAdvance(text) <= room;
    });
}

void shrinkWrappedFontToFit(QWidget* widget, const QString& text)
{
    const QRect room = widget->contentsRect();
    shrinkUntil(widget, [&](const QFontMetrics& metrics) {
        return metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height();
    });
}

} // namespace ttt
