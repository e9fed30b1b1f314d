// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

namespace ttt {

class Artwork;

// One square of the board: shows a picture of the current set and reports clicks.
// Tab reaches it, and Space or Enter plays it like a click; other keys go on to
// the board.
class CellView : public QWidget
{
    Q_OBJECT

public:
    CellView(const Artwork& artwork, int square, QWidget* parent = nullptr);

    // The picture shown, numbered as PictureSet numbers them.
    void setCard(int card);
    QPixmap picture() const;
    int square() const { return m_square; }
    // Plays the square as a click does.
    void press() { emit clicked(m_square); }

signals:
    void clicked(int square);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Artwork& m_artwork;
    int m_square;
    int m_card = 0;
    bool m_inDoubleClick = false;
};

} // namespace ttt
