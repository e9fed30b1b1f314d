// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace ttt {

// The game's look: Fusion, on every desktop, leaving the focus to the game's own ring
// (FocusRing), with option buttons whose round marks read chosen or not at a glance
// and grow with the window. A menu bar asks for its overflow
// arrow as it is made, though one as short as the game's never shows it; that
// arrow is looked up when first drawn instead, which keeps the image readers out
// of start-up.
class GameStyle : public QProxyStyle
{
    Q_OBJECT

public:
    GameStyle();

    // The window's panels: white on black, the frames with their options and totals.
    static void paintAsPanel(QWidget* panel);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace ttt
