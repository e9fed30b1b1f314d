// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/art/artwork.h"

#include <QWidget>

namespace ttt {

// A small window drawn as one picture, closed by its button, its frame, Escape or
// Enter alike. Closing hides it and reports closed().
class PictureWindow : public QWidget
{
    Q_OBJECT

public:
    // `art` must outlive the window.
    PictureWindow(const Artwork& art, Artwork::Picture picture, QWidget* parent = nullptr);

    // Shows the window at `scale` times its first size, its picture drawn afresh at that
    // size (its controls are scaled by whoever holds them).
    virtual void setScale(qreal scale);
    qreal scale() const { return m_scale; }

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Artwork& m_art;
    Artwork::Picture m_picture;
    qreal m_scale = 1.0;
    QSize m_firstSize;
};

} // namespace ttt
