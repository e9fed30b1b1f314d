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
    QFont font = widget->font();
    while (QFontMetrics(font).horizontalAdvance(text) > room &&
           font.pointSizeF() - ShrinkStep >= SmallestPoints)
        font.setPointSizeF(font.pointSizeF() - ShrinkStep);
    widget->setFont(font);
}

void shrinkWrappedFontToFit(QWidget* widget, const QString& text)
{
    QFont font = widget->font();
    const auto height = [&] {
        return QFontMetrics(font)
            .boundingRect(widget->contentsRect(), Qt::TextWordWrap, text)
            .height();
    };
    while (height() > widget->contentsRect().height() &&
           font.pointSizeF() - ShrinkStep >= SmallestPoints)
        font.setPointSizeF(font.pointSizeF() - ShrinkStep);
    widget->setFont(font);
}

} // namespace ttt
