// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picturewindow.h"

#include <QList>
#include <QRectF>

class QPainter;

namespace ttt {

// The Tips window: a card with the tips written on it in the player's language (and
// given as its accessible description, for screen readers) and an OK button. It
// deletes itself when closed; a new one is made for every opening.
class TipsWindow : public PictureWindow
{
    Q_OBJECT

public:
    // `art` must outlive the window.
    explicit TipsWindow(const Artwork& art, QWidget* parent = nullptr);

    // The tips in the player's language, one paragraph each.
    static QStringList tips();
    // Where each tip is written on the card, in the card's own 300 by 200 units, and the
    // room the card keeps for them.
    QList<QRectF> tipPlaces() const;
    static QRectF textRoom();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont tipsFont() const;
    void prepare(QPainter& painter) const;
    QList<QRectF> tipPlaces(QPainter& painter) const;
    void setUpWindow();
    void addButton();
};

} // namespace ttt
