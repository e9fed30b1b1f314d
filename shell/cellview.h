// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "art/artwork.h"
#include "winningstrokes.h"

#include <QPixmap>
#include <QWidget>

class QTimer;

namespace ttt {

// One square of the board: shows a picture of the current set and reports clicks.
// Over the picture it can show a soft ring (the latest mark pointed out), a brief
// flash (a refused move), the square's number (a hint for the digit keys) and the
// focus ring. Tab reaches it, and Enter plays it like a click; other keys go on to
// the board, Space among them: it starts a new game there, as everywhere on the window.
class CellView : public QWidget
{
    Q_OBJECT

public:
    CellView(const Artwork& artwork, int square, QWidget* parent = nullptr);

    // The picture shown, numbered as PictureSet numbers them.
    void setPictureNumber(int number);
    QPixmap picture(Artwork::Fit fit = Artwork::Fit::Exact) const;
    int square() const { return m_square; }
    // Plays the square as a click does.
    void press() { emit clicked(m_square); }

    void setMarkedAsLatest(bool marked);
    // The strokes through a won game's lines, in this square's coordinates.
    void setWinningStrokes(const WinningStrokes& strokes);
    // The colour of the band that marks the latest mark.
    static constexpr QColor latestGlowColour{255, 100, 50};
    // The square's number in a corner, shown while `shown` on empty squares only.
    void setNumberShown(bool shown);
    bool isNumberShown() const;
    // Flashes the square a few times, for a move it refused.
    void flash();

signals:
    void clicked(int square);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintLatestRing(QPainter& painter) const;
    void paintNumber(QPainter& painter) const;

    const Artwork& m_artwork;
    int m_square;
    int m_pictureNumber = 0;
    bool m_inDoubleClick = false;
    bool m_markedAsLatest = false;
    bool m_numberShown = false;
    WinningStrokes m_strokes;
    QTimer* m_flash = nullptr;
    int m_flashStepsLeft = 0;
};

} // namespace ttt
