// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "art/artwork.h"

#include <QAbstractButton>

namespace ttt {

// A small button drawn as a picture, with one face while it is held down and
// another when it is released.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const Artwork& artwork, Artwork::Picture up, Artwork::Picture down,
                  QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Any mouse button shows the pressed face; only the left one clicks.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Enter presses it, as it presses a dialog's buttons.
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Artwork& m_artwork;
    Artwork::Picture m_up;
    Artwork::Picture m_down;
    Qt::MouseButton m_otherButtonHeld = Qt::NoButton;
};

} // namespace ttt
